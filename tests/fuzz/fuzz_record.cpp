// A record file of any bytes. What parses must write out and read back to
// the same bytes: a record saved and opened again is the record that was saved.
// The class view makes a row of any bytes: never a throw, a reason on one
// line when there are no figures, rates within 0 to 100 when there are.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "data/RecordFile.h"
#include "platform/Error.h"
#include "screens/ClassTable.h"
#include "tests/fuzz/FuzzCheck.h"

using namespace vcq;

namespace {

// A bank of layout 1: two lessons, three questions.
const Bank& ClassBank() {
  static const Bank bank = [] {
    Bank b;
    LessonFlags sel{};
    LoadBankText(b, sel,
                 "x\r\nT 1 3\r\n2\r\nA\r\nB\r\n0\r\n@a\r\np\r\n\r\n1\r\n@b\r\np\r\n\r\n"
                 "1\r\n@c\r\np\r\n\r\n",
                 "bank.dat");
    return b;
  }();
  return bank;
}

void CheckClassRow(std::string_view bytes) {
  for (const Bank* bank : {&ClassBank(), static_cast<const Bank*>(nullptr)}) {
    const ClassRow row = MakeClassRow(bytes, "fuzz.ret", bank, "no bank");
    FUZZ_CHECK(row.hasLessons == row.problem.empty());
    FUZZ_CHECK(row.problem.find('\n') == std::string::npos);
    for (int L = 0; L < kMaxLessons; ++L)
      FUZZ_CHECK(row.lessonRate[L] >= 0 && row.lessonRate[L] <= 100);
    if (row.hasTotals) FUZZ_CHECK(row.whole.Rate() >= 0 && row.whole.Rate() <= 100);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size > 64 * 1024) return 0;
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  CheckClassRow(bytes);
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
