// A CSV of any bytes imported as a bank: failures are problems, never
// exceptions; a bank that is made passes the checker, loads, and exports to
// a CSV that imports to the very same bytes.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "app/BankCheck.h"
#include "app/BankImport.h"
#include "data/Bank.h"
#include "data/BankCsv.h"
#include "platform/Error.h"
#include "tests/fuzz/FuzzCheck.h"

using namespace vcq;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size > 64 * 1024) return 0;
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const ImportedBank made = ImportBank(bytes, "fuzz.csv");
  for (const std::string& p : made.problems) {
    FUZZ_CHECK(p.starts_with("fuzz.csv:"));
    FUZZ_CHECK(p.find('\n') == std::string::npos);
  }
  FUZZ_CHECK(made.problems.empty() != made.bytes.empty());
  if (made.bytes.empty()) return 0;

  for (const BankProblem& p : CheckBank(made.bytes, "fuzz.dat")) FUZZ_CHECK(p.note);
  Bank bank;
  LessonFlags sel{};
  try {
    LoadBankText(bank, sel, made.bytes, "fuzz.dat");
  } catch (const Error&) {
    FUZZ_CHECK(!"an imported bank does not load");
  }
  std::string csv;
  try {
    csv = BankToCsv(made.bytes, "fuzz.dat");
  } catch (const Error&) {
    FUZZ_CHECK(!"an imported bank does not export");
  }
  const ImportedBank again = ImportBank(csv, "again.csv");
  FUZZ_CHECK(again.problems.empty());
  FUZZ_CHECK(again.bytes == made.bytes);
  return 0;
}
