// A record file of any bytes. What parses must write out and read back to
// the same bytes: a record saved and opened again is the record that was saved.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "data/RecordFile.h"
#include "platform/Error.h"
#include "tests/fuzz/FuzzCheck.h"

using namespace vcq;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size > 64 * 1024) return 0;
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  RecordFile first;
  try {
    first = ParseRecord(bytes, "fuzz.ret");
  } catch (const Error&) {
    return 0;
  }
  FUZZ_CHECK(first.QuesCount >= 0 && first.QuesCount <= 600);
  FUZZ_CHECK(first.LesCount >= 0 && first.LesCount <= 20);
  FUZZ_CHECK(first.LesCount2 >= 0 && first.LesCount2 <= 20);
  FUZZ_CHECK(first.BankTitle.size() <= 120);

  std::string written;
  try {
    written = FormatRecord(first);
  } catch (const ConvertError&) {
    return 0;  // a bank path with no CP932 form: the program never opens such a record
  }
  RecordFile second;
  try {
    second = ParseRecord(written, "fuzz.ret");
  } catch (const Error&) {
    FUZZ_CHECK(!"a written record does not read back");
  }
  FUZZ_CHECK(FormatRecord(second) == written);
  // A progress line is written cut to 20 bytes, so only a count and a level
  // too long for any real record may come back changed.
  bool wide = false;
  for (int i = 0; i < first.QuesCount; ++i)
    wide =
        wide ||
        std::to_string(first.AnsCount[i]).size() + std::to_string(first.OkLevel[i]).size() + 1 > 20;
  if (!wide) FUZZ_CHECK(fuzz::SameRecord(first, second));
  return 0;
}
