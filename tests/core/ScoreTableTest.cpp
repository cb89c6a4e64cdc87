#include <gtest/gtest.h>

#include "data/Cp932.h"
#include "platform/VirtualKeys.h"
#include "screens/ScoreTable.h"
#include "tests/support/CueTable.h"
#include "tests/support/MemoryRecord.h"
#include "tests/support/TestProgram.h"

namespace vcq {
namespace {

using test::OpenInMemory;
using test::PlayedCue;
using test::cues::kCommand;
using test::cues::kRefresh;

using Row = std::array<std::string, StringGrid::kCols>;

struct ScoreTableWindow : ::testing::Test {
  ScoreTableWindow() { t.StartUp(); }
  test::TestProgram t;
  TfrmScoreTable& tab = t.app.frmScoreTable;
};

// Levels 2, 2, 1, -1 with 2, 3, 1, 0 answers: 4 questions, 2 mastered, 50
// percent, evaluation (2+2+1) x 100 div 6 = 83. A lesson never studied shows
// zeros, not a division by nothing.
TEST_F(ScoreTableWindow, F7TalliesEachLesson) {
  OpenInMemory(t, {4, 3, 0});
  Record& r = t.app.rec;
  const int levels[] = {2, 2, 1, -1};
  const int answers[] = {2, 3, 1, 0};
  for (int q = 0; q < 4; ++q) {
    r.OkLevel[q] = levels[q];
    r.AnsCount[q] = answers[q];
  }
  t.sound.played.clear();
  t.Key(vk::kF7);
  EXPECT_TRUE(tab.form.Visible);
  EXPECT_EQ(tab.form.Caption, Sj("成績集計表"));
  EXPECT_EQ(t.sound.played, (std::vector<PlayedCue>{kCommand, kRefresh}));
  const auto& c = tab.grdTen.Cells;
  EXPECT_EQ(tab.grdTen.RowCount, 4);
  EXPECT_EQ(tab.grdTen.FixedColor, (Rgb{0xA9, 0xD5, 0xD6}));
  EXPECT_EQ(c[0], (Row{"", Sj("題数"), Sj("習得数"), Sj("習得率"), Sj("評価")}));
  EXPECT_EQ(c[1], (Row{"L0", "4", "2", "50", "83"}));
  EXPECT_EQ(c[2], (Row{"L1", "3", "0", "0", "0"}));
  EXPECT_EQ(c[3], (Row{"L2", "0", "0", "0", "0"}));
  EXPECT_EQ(tab.TenPt[0], 5);
  EXPECT_EQ(tab.TenAns[0], 6);
}

// Shown again, the table counts afresh; OK closes it with the refresh.
TEST_F(ScoreTableWindow, ShowingAgainRefillsAndOkRefreshes) {
  OpenInMemory(t, {2});
  t.Key(vk::kF7);
  EXPECT_EQ(tab.grdTen.Cells[1][2], "0");
  t.app.rec.OkLevel[1] = 2;
  t.app.rec.AnsCount[1] = 2;
  t.Key(vk::kF7);
  EXPECT_EQ(tab.grdTen.Cells[1], (Row{"L0", "2", "1", "50", "100"}));
  t.sound.played.clear();
  t.app.Guard([&] { tab.btnOKClick(); });
  EXPECT_FALSE(tab.form.Visible);
  EXPECT_EQ(t.sound.played, std::vector<PlayedCue>{kRefresh});
}

TEST_F(ScoreTableWindow, LayoutZeroIsOneRowOfAllQuestions) {
  OpenInMemory(t, {12}, 0);
  t.Key(vk::kF7);
  EXPECT_EQ(tab.grdTen.RowCount, 2);
  EXPECT_EQ(tab.grdTen.Cells[1], (Row{Sj("全問題"), "12", "0", "0", "0"}));
}

// A lesson number past the table stops the tally; the window stays hidden.
TEST_F(ScoreTableWindow, LessonOutsideTheTableIsReported) {
  OpenInMemory(t, {3});
  t.app.bank.QuesLes[1] = 25;
  t.app.Guard([&] { tab.ShowScoreTable(); });
  EXPECT_FALSE(tab.form.Visible);
  ASSERT_EQ(t.dialogs.errors.size(), 1u);
  EXPECT_NE(t.dialogs.errors[0].find("問題 1 の分野番号 25"), std::string::npos);
}

}  // namespace
}  // namespace vcq
