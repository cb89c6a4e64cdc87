// Inputs the fuzz targets (tests/fuzz) found to break the core, kept so the
// faults stay fixed. Each input is in tests/data/fuzz.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "app/BankCheck.h"
#include "data/Bank.h"
#include "data/RecordFile.h"
#include "platform/Error.h"
#include "tests/support/TextFiles.h"

namespace fs = std::filesystem;

namespace vcq {
namespace {

std::string FuzzInput(const char* name) {
  return test::ReadBytes(fs::path(VCQ_TEST_DATA) / "fuzz" / name);
}

bool Mentions(const BankProblem& p, const std::string& text) {
  return p.message.find(text) != std::string::npos;
}

// Given a choice question whose answer sentence has more than 18 words, the
// checker should report the sentence at its line and go on with the next
// question, not stop with the splitter's range error.
TEST(FuzzRegression, CheckerReportsLongChoiceSentenceAndGoesOn) {
  const std::string bytes = FuzzInput("choice-sentence-too-long.dat");
  std::vector<BankProblem> problems;
  ASSERT_NO_THROW(problems = CheckBank(bytes, "long.dat"));
  ASSERT_EQ(problems.size(), 2u);
  EXPECT_EQ(problems[0].line, 11);
  EXPECT_TRUE(Mentions(problems[0], "問題 0 の解答文の単語が 18 を超えています"));
  EXPECT_EQ(problems[1].line, 15);
  EXPECT_TRUE(Mentions(problems[1], "問題 1 の答「put up」が選択肢にありません"));
}

// Given the fuzzer's own input for the same fault, the checker should report
// problems rather than throw.
TEST(FuzzRegression, CheckerSurvivesFuzzedChoiceBank) {
  const std::string bytes = FuzzInput("bank-checker-split-crash.dat");
  std::vector<BankProblem> problems;
  ASSERT_NO_THROW(problems = CheckBank(bytes, "fuzz.dat"));
  EXPECT_FALSE(problems.empty());
}

// Given a progress line whose level has ten digits, too many for an int32,
// the record reader should refuse it as not a number. (The quick reader of
// plain number pairs overflowed before it counted the digits: undefined
// behaviour that the sanitizer build stops on.)
TEST(FuzzRegression, RecordWithTenDigitLevelIsNotANumber) {
  const std::string bytes = FuzzInput("record-ten-digit-level.ret");
  EXPECT_THROW(ParseRecord(bytes, "fuzz.ret"), ConvertError);
}

// Given long numbers that still fit, the record reader should read them
// whole, by the quick way up to nine digits and the general way beyond.
TEST(FuzzRegression, RecordReadsNineAndTenDigitCounts) {
  const std::string bytes =
      test::Lines({"a.dat", "T", "P", "0,2,0,0,0,0", "123456789,1", "2147483647,-1"});
  const RecordFile r = ParseRecord(bytes, "long.ret");
  EXPECT_EQ(r.AnsCount[0], 123456789);
  EXPECT_EQ(r.OkLevel[0], 1);
  EXPECT_EQ(r.AnsCount[1], 2147483647);
  EXPECT_EQ(r.OkLevel[1], -1);
}

// Given a question whose lesson number has dozens of digits, the bank reader
// should refuse it as not a number, without overflowing on the way.
TEST(FuzzRegression, BankWithLongLessonNumberIsNotANumber) {
  const std::string bytes = FuzzInput("bank-long-lesson-number.dat");
  Bank bank;
  LessonFlags sel{};
  EXPECT_THROW(LoadBankText(bank, sel, bytes, "fuzz.dat"), ConvertError);
  EXPECT_EQ(bank.QuesCount, 0);
}

}  // namespace
}  // namespace vcq
