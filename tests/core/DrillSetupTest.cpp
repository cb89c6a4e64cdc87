// The scan that picks a batch, on a bank structure built in the test.
#include <gtest/gtest.h>

#include <vector>

#include "drill/DrillSetup.h"
#include "platform/Error.h"

namespace vcq {
namespace {

struct Scan : ::testing::Test {
  // `n` questions in data order, one lesson, all selected, none answered.
  void Make(int n, int form = 1) {
    bank.QuesCount = n;
    bank.DataForm = form;
    bank.LesCount = 1;
    rec.LesSel[0] = 1;
    rec.LesSel2[0] = 1;
    for (int q = 0; q < n; ++q) {
      drill.QuesOrder[q] = q;
      rec.OkLevel[q] = -1;
    }
  }
  std::vector<int> Next(int lastScore = 100) {
    const int count = ScanBatch(drill, bank, rec, lastScore);
    return std::vector<int>(drill.Batch.begin(), drill.Batch.begin() + count);
  }
  void SetLevels(const std::vector<int>& qs, int level) {
    for (int q : qs) rec.OkLevel[q] = level;
  }

  Bank bank;
  Record rec;
  DrillState drill;
};

// Given 25 new questions in data order and batches scoring 70 or more, the
// third batch should take 20 to 24, then after the wrap the wrong ones of
// the first cycle, and only then, in the second cycle, those right once.
TEST_F(Scan, DataOrderWrapsForWrongFirstThenRightOnce) {
  Make(25);
  EXPECT_EQ(Next(0), (std::vector<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9}));
  SetLevels({0, 1, 3, 4, 6, 7, 8, 9}, 1);
  SetLevels({2, 5}, 0);
  EXPECT_EQ(Next(80), (std::vector<int>{10, 11, 12, 13, 14, 15, 16, 17, 18, 19}));
  SetLevels({10, 11, 13, 14, 15, 16, 17, 18, 19}, 1);
  SetLevels({12}, 0);
  EXPECT_EQ(Next(90), (std::vector<int>{20, 21, 22, 23, 24, 2, 5, 12, 0, 1}));
  EXPECT_EQ(drill.PassStart, 20);
  EXPECT_EQ(drill.OrderPos, 2);  // after the last one examined
}

TEST_F(Scan, FewLeftAreTakenOnceAndMasteredNever) {
  Make(25);
  for (int q = 0; q < 25; ++q) rec.OkLevel[q] = 2;
  rec.OkLevel[3] = 1;
  rec.OkLevel[17] = 0;
  rec.OkLevel[23] = -1;
  drill.OrderPos = 20;
  EXPECT_EQ(Next(), (std::vector<int>{23, 17, 3}));

  SetLevels({3, 17, 23}, 2);
  EXPECT_EQ(Next(), (std::vector<int>{}));
  // Nothing read from a bank file for an empty batch.
  PickBatch(drill, bank, rec);
  EXPECT_EQ(drill.BatchCount, 0);
}

TEST_F(Scan, SecondClassificationSwitchedOffIsNeverTaken) {
  Make(12, 2);
  bank.LesCount2 = 2;
  for (int q = 0; q < 12; ++q) bank.QuesLes2[q] = q % 2;
  rec.LesSel2[1] = 0;
  EXPECT_EQ(Next(), (std::vector<int>{0, 2, 4, 6, 8, 10}));
  // In layout 1 the second classification is not looked at.
  bank.DataForm = 1;
  EXPECT_EQ(Next(), (std::vector<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9}));
}

TEST_F(Scan, LessonsOutOfRangeInLayoutZeroDoNotMatter) {
  Make(3, 0);
  rec.LesSel[0] = 0;
  bank.QuesLes[1] = 25;
  EXPECT_EQ(Next(), (std::vector<int>{0, 1, 2}));
}

// Given free mode, every question in range is taken once in the program's
// run whatever its level, and then the batch is empty.
TEST_F(Scan, FreeModeTakesEachQuestionOncePerRun) {
  Make(12);
  rec.FreeMode = 1;
  SetLevels({0, 5, 11}, 2);
  EXPECT_EQ(Next(), (std::vector<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9}));
  EXPECT_EQ(Next(), (std::vector<int>{10, 11}));
  ResetDrill(drill);
  EXPECT_EQ(Next(0), (std::vector<int>{}));
  EXPECT_EQ(drill.AskedFlag[11], 1);
}

TEST_F(Scan, AnEmptyBankGivesAnEmptyBatch) {
  Make(0);
  EXPECT_EQ(Next(0), (std::vector<int>{}));
  EXPECT_EQ(Next(100), (std::vector<int>{}));
}

// Given a question whose lesson lies outside the table, the scan should stop
// with a range error naming the question, the batch holding what it took.
TEST_F(Scan, LessonOutsideTheTableStopsTheScan) {
  Make(12);
  bank.QuesLes[4] = 20;
  try {
    Next();
    FAIL() << "no range error";
  } catch (const RangeError& e) {
    EXPECT_NE(std::string(e.what()).find("問題 4 の分野番号 20"), std::string::npos) << e.what();
  }
  EXPECT_EQ(drill.Batch[3], 3);

  bank.QuesLes[4] = 0;
  bank.DataForm = 3;
  bank.QuesLes2[6] = -1;
  drill.OrderPos = drill.PassStart = 0;
  EXPECT_THROW(Next(), RangeError);
}

TEST_F(Scan, ResetDrillStartsAtTheTopOfTheOrder) {
  Make(25);
  Next();
  Next();
  drill.BatchScore = 80;
  drill.TestNo = 2;
  drill.InBatch = 1;
  ResetDrill(drill);
  EXPECT_EQ(drill.OrderPos, 0);
  EXPECT_EQ(drill.PassStart, 0);
  EXPECT_EQ(drill.BatchScore, 0);
  EXPECT_EQ(drill.TestNo, 0);
  EXPECT_EQ(drill.InBatch, 0);
  EXPECT_EQ(Next(0), (std::vector<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9}));
}

}  // namespace
}  // namespace vcq
