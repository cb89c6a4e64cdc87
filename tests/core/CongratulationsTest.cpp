// The congratulations window: its look, its ever-running animation and its
// opening at the end of a drill.
#include <gtest/gtest.h>

#include <vector>

#include "data/Cp932.h"
#include "platform/VirtualKeys.h"
#include "tests/support/DrillBanks.h"
#include "tests/support/DrillDriver.h"
#include "tests/support/TextFiles.h"

namespace vcq {
namespace {

using test::PlayedCue;

TEST(OmedetoTest, AnimationRunsFromCreationWhetherShownOrNot) {
  test::TestProgram t;
  TfrmOmedeto& w = t.app.frmOmedeto;
  EXPECT_EQ(w.form.Caption, Sj("やったね。(^_^)v"));
  EXPECT_EQ(w.form.Width, 155);
  EXPECT_EQ(w.form.Height, 92);
  EXPECT_EQ(w.form.Color, (Rgb{0xA3, 0xA5, 0xFF}));
  EXPECT_EQ(w.Label1.Caption, Sj("よくできました。"));
  EXPECT_EQ(w.Label1.FontColor, colors::kNavy);
  EXPECT_EQ(w.btnOk.Width, 53);
  EXPECT_FALSE(w.form.Visible);
  EXPECT_EQ(w.Picture(), 0);

  std::vector<int> pictures;
  for (int i = 0; i < 9; ++i) {
    t.clock.Advance(200);
    pictures.push_back(w.Picture());
  }
  EXPECT_EQ(pictures, (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8, 1}));
  w.Show();
  t.clock.Advance(200);
  EXPECT_EQ(w.Picture(), 2);
  w.btnOkClick();
  EXPECT_FALSE(w.form.Visible);
  t.clock.Advance(400);
  EXPECT_EQ(w.TickCnt, 12);
}

// Given every question mastered, the announcement of batch 1 should be
// followed by the end cue and the window above the drill screen; OK closes
// only the window, and a second drill shows it again, its animation having
// run on meanwhile.
TEST(OmedetoTest, OpensWhenNothingIsLeftAndAgainInTheSameRun) {
  test::TempDir dir;
  test::DrillDriver d(dir.path().string());
  test::WriteBytes(dir / "t.dat", test::TypedBank({"I @go", "you @come"}));
  d.NewRecord(dir / "t.dat");
  d.t.app.rec.OkLevel[0] = d.t.app.rec.OkLevel[1] = 2;
  TfrmOmedeto& w = d.t.app.frmOmedeto;
  d.sound().clear();
  d.StartDrill();
  EXPECT_TRUE(w.form.Visible);
  EXPECT_TRUE(d.t.app.frmQues.form.Visible);
  EXPECT_EQ(d.sound(), (std::vector<PlayedCue>{{"button.wav", CueMode::Async},
                                               {"change.wav", CueMode::Sync},
                                               {"huku.wav", CueMode::Async}}));
  const int ticks = w.TickCnt;
  d.t.app.Guard([&] { w.btnOkClick(); });
  EXPECT_FALSE(w.form.Visible);
  EXPECT_TRUE(d.t.app.frmQues.form.Visible);
  EXPECT_EQ(d.t.app.frmQues.lblTestCnt.Caption, Sj("第 1 回"));

  d.Esc();
  d.StartDrill();
  EXPECT_TRUE(w.form.Visible);
  EXPECT_EQ(w.TickCnt, ticks + 10);
}

}  // namespace
}  // namespace vcq
