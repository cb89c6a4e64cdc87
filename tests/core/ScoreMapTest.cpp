#include <gtest/gtest.h>

#include "data/Cp932.h"
#include "platform/Error.h"
#include "platform/VirtualKeys.h"
#include "screens/ScoreMap.h"
#include "tests/support/MemoryRecord.h"
#include "tests/support/TestProgram.h"
#include "tests/support/TextFiles.h"

namespace vcq {
namespace {

using test::CellOf;
using test::OpenInMemory;
using test::PlayedCue;

MapRect At(int left, int top, int width) {
  return {left, top, left + width, top + 12, {}, {}};
}

void ExpectPlace(const MapRect* cell, const MapRect& want) {
  ASSERT_NE(cell, nullptr);
  EXPECT_TRUE(cell->SamePlace(want))
      << cell->left << "," << cell->top << " " << cell->right << "," << cell->bottom;
}

// Lessons of 50, 51, 101 and 0 questions take 1, 2, 3 and 1 rows of 50 cells;
// each label stands level with the first row of its lesson.
TEST(ScoreMapLayoutTest, NormalRowsFollowTheLessonSizes) {
  test::TestProgram t;
  OpenInMemory(t, {50, 51, 101, 0, 1});
  const TfrmMain& m = t.app.frmMain;
  const ScoreMap& map = m.map;
  EXPECT_EQ(map.MapRows, 8);
  EXPECT_FALSE(map.Dense());
  EXPECT_EQ((std::vector<int>(map.LesRowTop.begin(), map.LesRowTop.begin() + 6)),
            (std::vector<int>{0, 1, 3, 6, 7, 8}));
  const int tops[] = {130, 144, 172, 214, 228};
  for (int g = 0; g < 5; ++g) {
    EXPECT_TRUE(m.LesPanel[g].Visible);
    EXPECT_EQ(m.LesPanel[g].Top, tops[g]);
    EXPECT_EQ(m.LesPanel[g].Caption, "L" + std::to_string(g));
    EXPECT_EQ(m.LesPanel[g].Color, mapcolors::kLabelOn);
  }
  EXPECT_FALSE(m.LesPanel[5].Visible);
  EXPECT_EQ(map.drawn.size(), 1u + 203u);
  EXPECT_EQ(map.drawn[0], kMapArea);
  ExpectPlace(CellOf(t, 0), At(123, 130, 7));
  ExpectPlace(CellOf(t, 49), At(123 + 49 * 9, 130, 7));
  ExpectPlace(CellOf(t, 50), At(123, 144, 7));         // lesson 1 starts on a new row
  ExpectPlace(CellOf(t, 100), At(123, 158, 7));        // its 51st question wraps
  ExpectPlace(CellOf(t, 101 + 100), At(123, 200, 7));  // 101st of lesson 2: third row
  ExpectPlace(CellOf(t, 202), At(123, 228, 7));        // past the empty lesson's row
  EXPECT_EQ(map.LesQuesCnt[2], 101);
  EXPECT_TRUE(m.lblTitle.Visible && m.lblPlayer.Visible);
  EXPECT_EQ(m.lblTitle.Caption, "Title");
  EXPECT_EQ(m.lblPlayer.Caption, "Player");
  EXPECT_TRUE(m.pnlSel.Visible && m.lblsel.Visible && m.lblsel2.Visible);
}

// The position inside a lesson counts that lesson's questions only.
TEST(ScoreMapLayoutTest, InterleavedLessonsFillTheirOwnRows) {
  test::TestProgram t;
  OpenInMemory(t, {2, 2});
  for (int q = 0; q < 4; ++q) t.app.bank.QuesLes[q] = q % 2;
  DrawMapCells(t.app.frmMain.mapCanvas);
  ExpectPlace(CellOf(t, 0), At(123, 130, 7));
  ExpectPlace(CellOf(t, 1), At(123, 144, 7));
  ExpectPlace(CellOf(t, 2), At(132, 130, 7));
  ExpectPlace(CellOf(t, 3), At(132, 144, 7));
}

// Twenty lessons of 30 need 20 rows of 50: the dense layout, 65 narrower
// cells a row from top 102, labels at 102, 116, 130, ...
TEST(ScoreMapLayoutTest, TwentyLessonsUseTheDenseLayout) {
  test::TestProgram t;
  OpenInMemory(t, std::vector<int>(20, 30));
  const TfrmMain& m = t.app.frmMain;
  EXPECT_EQ(m.map.MapRows, 20);
  EXPECT_TRUE(m.map.Dense());
  for (int g = 0; g < 20; ++g) {
    EXPECT_EQ(m.LesPanel[g].Top, 102 + 14 * g);
    const MapRect* first = CellOf(t, g * 30);
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->top, m.LesPanel[g].Top) << "lesson " << g;
  }
  ExpectPlace(CellOf(t, 29), At(123 + 29 * 7, 102, 5));
  ExpectPlace(CellOf(t, 599), At(123 + 29 * 7, 102 + 19 * 14, 5));
}

// Fourteen rows still fit the normal layout; the fifteenth needs the dense one.
TEST(ScoreMapLayoutTest, DenseFromFifteenRows) {
  test::TestProgram t;
  OpenInMemory(t, std::vector<int>(14, 1));
  EXPECT_EQ(t.app.frmMain.map.MapRows, 14);
  EXPECT_EQ(t.app.frmMain.LesPanel[13].Top, 130 + 13 * 14);
  OpenInMemory(t, std::vector<int>(15, 1));
  EXPECT_EQ(t.app.frmMain.map.MapRows, 15);
  EXPECT_EQ(t.app.frmMain.LesPanel[14].Top, 102 + 14 * 14);
  ExpectPlace(CellOf(t, 14), At(123, 102 + 14 * 14, 5));
}

// A layout-0 bank of 600 questions: one dark label, 12 rows of 50, always
// the normal layout and every border black whatever LesSel says.
TEST(ScoreMapLayoutTest, LayoutZeroOfSixHundredStaysNormal) {
  test::TestProgram t;
  OpenInMemory(t, {600}, 0);
  t.app.rec.LesSel[0] = 0;  // layout 0 has no range to leave
  DrawMapCells(t.app.frmMain.mapCanvas);
  const TfrmMain& m = t.app.frmMain;
  EXPECT_EQ(m.map.MapRows, 12);
  EXPECT_FALSE(m.map.Dense());
  EXPECT_EQ(m.LesPanel[0].Top, 130);
  EXPECT_EQ(m.LesPanel[0].Caption, Sj("全問題"));
  EXPECT_FALSE(m.LesPanel[1].Visible);
  EXPECT_FALSE(m.pnlSel.Visible);
  ExpectPlace(CellOf(t, 599), At(123 + 49 * 9, 130 + 11 * 14, 7));
  for (std::size_t i = 1; i < m.map.drawn.size(); ++i)
    ASSERT_EQ(m.map.drawn[i].pen, mapcolors::kInRange) << i;
}

TEST(ScoreMapCellTest, FillFollowsTheLevelAndPenTheRange) {
  test::TestProgram t;
  OpenInMemory(t, {5, 1}, 2);
  Record& r = t.app.rec;
  const int levels[] = {-1, 0, 1, 2, 7};
  for (int q = 0; q < 5; ++q) r.OkLevel[q] = levels[q];
  r.LesSel[1] = 0;
  t.app.bank.QuesLes2[1] = 3;
  r.LesSel2[3] = 0;
  DrawMapCells(t.app.frmMain.mapCanvas);
  PlaceLesLabels(t.app.frmMain.mapCanvas);
  const Rgb fills[] = {mapcolors::kNever, mapcolors::kWrong, mapcolors::kOnce, mapcolors::kMastered,
                       mapcolors::kNever};
  for (int q = 0; q < 5; ++q) EXPECT_EQ(CellOf(t, q)->fill, fills[q]) << q;
  EXPECT_EQ(CellOf(t, 0)->pen, mapcolors::kInRange);
  EXPECT_EQ(CellOf(t, 1)->pen, mapcolors::kOutOfRange);  // its second classification is off
  EXPECT_EQ(CellOf(t, 5)->pen, mapcolors::kOutOfRange);  // its lesson is off
  EXPECT_EQ(t.app.frmMain.LesPanel[0].Color, mapcolors::kLabelOn);
  EXPECT_EQ(t.app.frmMain.LesPanel[1].Color, mapcolors::kLabelOff);
  EXPECT_EQ(t.app.frmMain.LesPanel[1].FontColor, colors::kWhite);

  // Layout 1 has no second classification to leave.
  t.app.bank.DataForm = 1;
  DrawMapCells(t.app.frmMain.mapCanvas);
  EXPECT_EQ(CellOf(t, 1)->pen, mapcolors::kInRange);
}

// A screen reader reads the map per lesson, counting each level (values
// outside the four as never answered), and each cell by its question and
// level; a redraw counts afresh.
TEST(ScoreMapCellTest, SummaryCountsTheLevelsPerLesson) {
  test::TestProgram t;
  OpenInMemory(t, {3, 2});
  Record& r = t.app.rec;
  const int levels[] = {-1, 0, 2, 1, 7};
  for (int q = 0; q < 5; ++q) r.OkLevel[q] = levels[q];
  DrawMapCells(t.app.frmMain.mapCanvas);
  DrawMapCells(t.app.frmMain.mapCanvas);
  const ScoreMap& m = t.app.frmMain.map;
  ASSERT_EQ(m.cells.size(), 5u);
  EXPECT_EQ(m.cells[3].lesson, 1);
  EXPECT_TRUE(m.cells[3].place.SamePlace(*CellOf(t, 3)));
  EXPECT_EQ(ToUtf8(CellText(m.cells[2])), "問 3 習得");
  EXPECT_EQ(ToUtf8(CellText(m.cells[4])), "問 5 未解答");
  EXPECT_EQ(ToUtf8(MapSummary(m)),
            "L0： 未解答 1、不正解 1、1 回正解 0、習得 1\n"
            "L1： 未解答 1、不正解 0、1 回正解 1、習得 0\n");
}

// Redrawing over and over keeps one entry per cell; a changed cell takes the
// place of the old one.
TEST(ScoreMapCellTest, RedrawsReplaceTheCellsTheyCover) {
  test::TestProgram t;
  t.StartUp();
  OpenInMemory(t, {30, 30});
  const auto& drawn = t.app.frmMain.map.drawn;
  for (int i = 0; i < 50; ++i) t.Key(vk::kF9);  // help and redraw in turn
  EXPECT_EQ(drawn.size(), 61u);
  t.app.rec.OkLevel[7] = 2;
  DrawMapCells(t.app.frmMain.mapCanvas);
  EXPECT_EQ(drawn.size(), 61u);
  int at7 = 0;
  for (const MapRect& d : drawn)
    if (d.SamePlace(*CellOf(t, 7))) ++at7;
  EXPECT_EQ(at7, 1);
  EXPECT_EQ(CellOf(t, 7)->fill, mapcolors::kMastered);

  DrawScoreMap(t.app.frmMain.mapCanvas);  // a full draw starts from the wipe
  EXPECT_EQ(drawn.size(), 61u);
  EXPECT_EQ(drawn[0], kMapArea);
}

TEST(ScoreMapCellTest, RefreshPlaysItsCueAndDrawsOnlyWithARecord) {
  test::TestProgram t;
  RefreshScoreMap(t.app.frmMain.mapCanvas);
  EXPECT_EQ(t.sound.played, (std::vector<PlayedCue>{{"piyo1.wav", CueMode::Sync}}));
  EXPECT_TRUE(t.app.frmMain.map.drawn.empty());
  EXPECT_FALSE(t.app.frmMain.lblTitle.Visible);

  OpenInMemory(t, {3});
  t.app.frmMain.map.drawn.clear();
  t.app.rec.LesSel[0] = 0;
  RefreshScoreMap(t.app.frmMain.mapCanvas);
  EXPECT_EQ(t.app.frmMain.map.drawn.size(), 3u);  // no wipe
  EXPECT_EQ(t.app.frmMain.LesPanel[0].Color, mapcolors::kLabelOff);
  EXPECT_EQ(t.sound.played.size(), 2u);
}

// A lesson number past the table stops the drawing with a message that names
// the question; the program goes on.
TEST(ScoreMapErrorTest, LessonOutsideTheTableIsARangeError) {
  test::TestProgram t;
  t.StartUp();
  OpenInMemory(t, {3, 3});
  t.app.bank.QuesLes[2] = 25;
  try {
    DrawMapCells(t.app.frmMain.mapCanvas);
    FAIL() << "no error";
  } catch (const RangeError& e) {
    EXPECT_NE(std::string(e.what()).find("問題 2 の分野番号 25 は 0 から 19 の範囲外です"),
              std::string::npos)
        << e.what();
  }
  EXPECT_THROW(CountLesQues(t.app.frmMain.mapCanvas), RangeError);

  t.Key(vk::kF9);
  t.Key(vk::kF9);  // the redraw meets it
  ASSERT_EQ(t.dialogs.errors.size(), 1u);
  EXPECT_NE(t.dialogs.errors[0].find("分野番号 25"), std::string::npos);

  t.app.bank.QuesLes[2] = 0;
  t.app.bank.DataForm = 2;
  t.app.bank.QuesLes2[4] = -1;
  t.app.Guard([&] { DrawMapCells(t.app.frmMain.mapCanvas); });
  ASSERT_EQ(t.dialogs.errors.size(), 2u);
  EXPECT_NE(t.dialogs.errors[1].find("問題 4 の第二分類番号 -1"), std::string::npos);
}

// A lesson number the bank has no lesson for, but inside the table, is drawn
// from the row its table entry gives.
TEST(ScoreMapErrorTest, LessonBeyondTheBanksLessonsIsDrawn) {
  test::TestProgram t;
  OpenInMemory(t, {3, 3});
  t.app.bank.QuesLes[5] = 7;
  t.app.rec.LesSel[7] = 1;
  CountLesQues(t.app.frmMain.mapCanvas);
  DrawScoreMap(t.app.frmMain.mapCanvas);
  EXPECT_EQ(t.app.frmMain.map.LesQuesCnt[7], 1);
  EXPECT_EQ(t.app.frmMain.map.LesRowTop[7], 0);
  int atFirst = 0;
  for (const MapRect& d : t.app.frmMain.map.drawn)
    if (d.SamePlace(At(123, 130, 7))) ++atFirst;
  EXPECT_EQ(atFirst, 1);  // it took the place of lesson 0's first cell
  EXPECT_FALSE(t.app.frmMain.LesPanel[7].Visible);
}

// Opening a record through the dialogs draws its map.
TEST(ScoreMapScenarioTest, CreatingARecordDrawsTheMap) {
  test::TempDir dir;
  test::WriteBytes(dir / "b.dat", test::Lines({"", "Bank 1 3", "2", "L0", "L1", "0", "a @b", "p",
                                               "n", "1", "c @d", "p", "n", "1", "e @f", "p", "n"}));
  test::TestProgram t(dir.path().string());
  t.StartUp();
  t.dialogs.files.push_back(dir / "b.dat");
  for (const char* typed : {"name", "rec"})
    t.dialogs.inputs.push_back([&t, typed] {
      t.app.frmInput.MaskEdit1Change(typed);
      t.app.frmInput.FormKeyDown(vk::kReturn);
    });
  t.Key(vk::kF3);
  ASSERT_TRUE(t.dialogs.errors.empty()) << t.dialogs.errors[0];
  const TfrmMain& m = t.app.frmMain;
  EXPECT_EQ(m.lblTitle.Caption, "Bank");
  EXPECT_EQ(m.lblPlayer.Caption, "name");
  EXPECT_EQ(m.LesPanel[1].Top, 144);
  EXPECT_EQ(m.map.SelNames[1], "L1");
  ASSERT_EQ(m.map.drawn.size(), 4u);
  ExpectPlace(&m.map.drawn[3], At(132, 144, 7));
  EXPECT_EQ(m.map.drawn[3].fill, mapcolors::kNever);
}

// Given a dense map, a bank without lessons that follows is drawn in the
// normal layout, not in the layout the record before left.
TEST(ScoreMapLayoutTest, NoLessonsAfterADenseMapIsNormal) {
  test::TestProgram t;
  OpenInMemory(t, std::vector<int>(20, 30));
  ASSERT_TRUE(t.app.frmMain.map.Dense());
  OpenInMemory(t, {}, 4);
  EXPECT_FALSE(t.app.frmMain.map.Dense());
}

}  // namespace
}  // namespace vcq
