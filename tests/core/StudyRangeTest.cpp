#include <gtest/gtest.h>

#include "data/Cp932.h"
#include "platform/VirtualKeys.h"
#include "screens/ScoreMap.h"
#include "screens/StudyRange.h"
#include "tests/support/CueTable.h"
#include "tests/support/MemoryRecord.h"
#include "tests/support/TestProgram.h"

namespace vcq {
namespace {

using test::CellOf;
using test::OpenInMemory;
using test::PlayedCue;
using test::cues::kCommand;
using test::cues::kRefresh;

struct RangeWindow : ::testing::Test {
  void Open(std::vector<int> perLesson) {
    t.StartUp();
    OpenInMemory(t, perLesson);
    t.sound.played.clear();
    t.Key(vk::kF4);
  }
  void Press(char c) {
    t.app.Guard([&] { sel.FormKeyPress(c); });
  }

  test::TestProgram t;
  TfrmSel& sel = t.app.frmSel;
  TfrmMain& main = t.app.frmMain;
};

// F4 shows one panel per lesson, plays nothing, and sizes the window for ten
// or twenty panels.
TEST_F(RangeWindow, HeightFitsTenOrTwentyPanels) {
  Open(std::vector<int>(9, 2));
  EXPECT_TRUE(sel.form.Visible);
  EXPECT_EQ(sel.form.Caption, Sj("学習範囲の指定"));
  EXPECT_EQ(sel.form.Height, 161);
  EXPECT_TRUE(t.sound.played.empty());
  for (int i = 0; i < 20; ++i) EXPECT_EQ(sel.pnl[i].Visible, i < 9) << i;
  EXPECT_EQ(sel.pnl[8].Caption, "L8");
  EXPECT_EQ(sel.pnl[8].Top, 119);
  EXPECT_EQ(sel.pnl[8].Color, selcolors::kOn);
  EXPECT_EQ(sel.lblKey[8].Caption, "i");

  OpenInMemory(t, std::vector<int>(10, 2));
  t.Key(vk::kF4);
  EXPECT_EQ(sel.form.Height, 323);
  EXPECT_TRUE(sel.pnl[9].Visible);
  EXPECT_FALSE(sel.pnl[10].Visible);
}

TEST_F(RangeWindow, LayoutZeroOffersNoRange) {
  t.StartUp();
  OpenInMemory(t, {4}, 0);
  t.Key(vk::kF4);
  EXPECT_FALSE(sel.form.Visible);
}

// Switching a lesson off turns its panel and label grey and its cells' borders
// white at once, with only the click.
TEST_F(RangeWindow, ALetterTogglesItsLessonAndTheMapFollows) {
  Open({2, 2, 2});
  Press('b');
  EXPECT_EQ(t.app.rec.LesSel[1], 0);
  EXPECT_EQ(sel.pnl[1].Color, selcolors::kOff);
  EXPECT_EQ(main.LesPanel[1].Color, mapcolors::kLabelOff);
  EXPECT_EQ(CellOf(t, 2)->pen, mapcolors::kOutOfRange);
  EXPECT_EQ(CellOf(t, 3)->pen, mapcolors::kOutOfRange);
  EXPECT_EQ(CellOf(t, 4)->pen, mapcolors::kInRange);
  EXPECT_EQ(t.sound.played, std::vector<PlayedCue>{kCommand});

  t.app.Guard([&] { sel.pnlClick(1); });  // and back
  EXPECT_EQ(t.app.rec.LesSel[1], 1);
  EXPECT_EQ(sel.pnl[1].Color, selcolors::kOn);
  EXPECT_EQ(main.LesPanel[1].Color, mapcolors::kLabelOn);
  EXPECT_EQ(CellOf(t, 2)->pen, mapcolors::kInRange);
  EXPECT_EQ(t.sound.played.size(), 2u);
}

// "k" with five lessons clicks and changes nothing; capitals, digits and
// letters past "t" do nothing at all.
TEST_F(RangeWindow, KeysWithoutALesson) {
  Open({1, 1, 1, 1, 1});
  const LessonFlags before = t.app.rec.LesSel;
  const auto drawn = main.map.drawn;
  Press('k');
  EXPECT_EQ(t.app.rec.LesSel, before);
  EXPECT_EQ(main.map.drawn, drawn);
  EXPECT_EQ(t.sound.played, std::vector<PlayedCue>{kCommand});

  for (char c : {'A', 'B', 'K', 'u', 'z', '1', ' ', '\r'}) Press(c);
  EXPECT_EQ(t.app.rec.LesSel, before);
  EXPECT_EQ(t.sound.played.size(), 1u);
  EXPECT_TRUE(sel.form.Visible);
}

// All off and all on touch only the bank's lessons.
TEST_F(RangeWindow, AllOffAndAllOn) {
  Open({1, 1, 1});
  t.app.rec.LesSel[5] = 1;
  t.app.Guard([&] { sel.btnOfClick(); });
  EXPECT_EQ(t.app.rec.LesSel[0] + t.app.rec.LesSel[1] + t.app.rec.LesSel[2], 0);
  EXPECT_EQ(t.app.rec.LesSel[5], 1);
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(sel.pnl[i].Color, selcolors::kOff);
    EXPECT_EQ(main.LesPanel[i].Color, mapcolors::kLabelOff);
    EXPECT_EQ(CellOf(t, i)->pen, mapcolors::kOutOfRange);
  }
  t.app.rec.LesSel[5] = 0;
  t.app.Guard([&] { sel.btnOnClick(); });
  EXPECT_EQ(t.app.rec.LesSel[0] + t.app.rec.LesSel[1] + t.app.rec.LesSel[2], 3);
  EXPECT_EQ(t.app.rec.LesSel[5], 0);
  EXPECT_EQ(CellOf(t, 2)->pen, mapcolors::kInRange);
  EXPECT_EQ(t.sound.played, (std::vector<PlayedCue>{kCommand, kCommand}));
}

TEST_F(RangeWindow, OkClosesWithTheRefresh) {
  Open({1, 1});
  t.app.Guard([&] { sel.FormKeyDown(vk::kReturn); });
  EXPECT_FALSE(sel.form.Visible);
  EXPECT_EQ(t.sound.played, (std::vector<PlayedCue>{kCommand, kRefresh}));
}

}  // namespace
}  // namespace vcq
