#include <gtest/gtest.h>

#include "data/Cp932.h"
#include "platform/VirtualKeys.h"
#include "tests/support/CueTable.h"
#include "tests/support/TestProgram.h"
#include "tests/support/TextFiles.h"

namespace vcq {
namespace {

using test::PlayedCue;

TEST(StartUpTest, SplashCueAndCommandsFollowTheTimer) {
  test::TestProgram t;
  TfrmMain& m = t.app.frmMain;
  EXPECT_EQ(m.form.Width, 600);
  EXPECT_EQ(m.form.Height, 450);
  EXPECT_TRUE(t.app.frmStartPan.form.Visible);
  EXPECT_FALSE(m.pnlOpen.Visible);
  EXPECT_EQ(m.lblHelp2.Caption, Sj("ヘルプ"));

  t.clock.Advance(100);  // tick 1: the splash stays
  EXPECT_EQ(m.StartTick, 1);
  EXPECT_TRUE(t.app.frmStartPan.form.Visible);
  EXPECT_TRUE(t.sound.played.empty());

  t.clock.Advance(100);  // tick 2: the start-up fanfare, not waited for
  EXPECT_EQ(t.sound.played, std::vector<PlayedCue>{test::cues::kHuku});

  t.clock.Advance(1000);  // tick 12: nothing shown yet
  EXPECT_FALSE(m.pnlQuit.Visible);
  EXPECT_TRUE(m.Timer3->Enabled());

  t.clock.Advance(100);  // tick 13: splash closed, F1 F2 F3 F9 offered
  EXPECT_FALSE(t.app.frmStartPan.form.Visible);
  EXPECT_FALSE(m.Timer3->Enabled());
  EXPECT_TRUE(m.pnlQuit.Visible && m.pnlOpen.Visible && m.pnlFileCreate.Visible &&
              m.pnlHelp.Visible);
  EXPECT_FALSE(m.pnlSel.Visible || m.pnlGo.Visible || m.pnlOption.Visible || m.pnlSheet.Visible ||
               m.pnlReDraw.Visible);
  EXPECT_EQ(m.lblHelp2.Caption, Sj("ﾍﾙﾌﾟ"));

  t.clock.Advance(10000);
  EXPECT_EQ(m.StartTick, 13);
  EXPECT_EQ(t.sound.played.size(), 1u);
}

TEST(MainKeysTest, RecordCommandsDoNothingWithoutARecord) {
  test::TestProgram t;
  t.StartUp();
  t.sound.played.clear();
  for (int key : {vk::kF4, vk::kF5, vk::kF6, vk::kF7, vk::kEscape, int{'A'}}) t.Key(key);
  EXPECT_TRUE(t.sound.played.empty());
  EXPECT_FALSE(t.app.frmSel.form.Visible || t.app.frmQues.form.Visible ||
               t.app.frmOption.form.Visible || t.app.frmScoreTable.form.Visible);
}

// A teacher needs no record of their own: F8 is there from the start, asks
// the front end for the class window, and leaves the open record alone.
TEST(MainKeysTest, F8OpensTheClassWindowWithOrWithoutARecord) {
  test::TestProgram t;
  int opened = 0;
  t.app.frmMain.OpenClassView = [&] { ++opened; };
  t.Key(vk::kF8);
  EXPECT_EQ(opened, 0);  // not before the start-up sequence shows the commands
  t.StartUp();
  EXPECT_TRUE(t.app.frmMain.pnlClass.Visible);
  t.sound.played.clear();
  t.Key(vk::kF8);
  EXPECT_EQ(opened, 1);
  EXPECT_EQ(t.sound.played, (std::vector<test::PlayedCue>{test::cues::kCommand}));
}

TEST(MainKeysTest, F9OpensHelpThenRedraws) {
  test::TestProgram t;
  t.StartUp();
  TfrmMain& m = t.app.frmMain;
  t.sound.played.clear();
  t.Key(vk::kF9);
  EXPECT_EQ(t.dialogs.helpShown, 1);
  EXPECT_FALSE(m.pnlHelp.Visible);
  EXPECT_TRUE(m.pnlReDraw.Visible);
  EXPECT_EQ(m.lblHelp2.Caption, Sj("成績の再描画"));
  EXPECT_TRUE(t.sound.played.empty());
  t.Key(vk::kF9);
  EXPECT_EQ(t.dialogs.helpShown, 1);
  EXPECT_TRUE(m.pnlHelp.Visible);
  EXPECT_FALSE(m.pnlReDraw.Visible);
  EXPECT_EQ(m.lblHelp2.Caption, Sj("ﾍﾙﾌﾟ"));
  EXPECT_EQ(t.sound.played, std::vector<PlayedCue>{test::cues::kRefresh});
}

TEST(MainKeysTest, F1ClosesTheProgram) {
  test::TestProgram t;
  t.StartUp();
  t.Key(vk::kF1);
  EXPECT_TRUE(t.app.frmMain.Closed);
  EXPECT_EQ(t.sound.played.back(), test::cues::kCommand);
}

TEST(BankDialogTest, F3LoadsTheChosenBankAndReportsABrokenOne) {
  test::TempDir dir;
  test::WriteBytes(dir / "good.dat", test::Lines({"", "Good 0 2", "a @b", "p", "c @d", "q"}));
  test::WriteBytes(dir / "bad.dat", test::Lines({"", "Bad zero 2"}));
  test::TestProgram t(dir.path().string());
  t.StartUp();
  t.dialogs.files.push_back(dir / "bad.dat");
  t.dialogs.inputs.push_back([] {});
  t.Key(vk::kF3);
  ASSERT_EQ(t.dialogs.fileDialogs.size(), 1u);
  EXPECT_EQ(t.dialogs.fileDialogs[0].title, "取り組む問題を選んでください。");
  EXPECT_EQ(t.dialogs.fileDialogs[0].filter, "問題 | *.dat;*.csv;*.tsv;*.txt");
  EXPECT_EQ(t.dialogs.fileDialogs[0].folder, dir.path().string());
  ASSERT_EQ(t.dialogs.errors.size(), 1u);
  EXPECT_NE(t.dialogs.errors[0].find("bad.dat」の 2 行目"), std::string::npos);
  EXPECT_EQ(t.app.bank.QuesCount, 0);
  EXPECT_EQ(t.app.QuesChosen, 0);

  t.dialogs.files.push_back(dir / "good.dat");
  t.Key(vk::kF3);
  EXPECT_EQ(t.dialogs.errors.size(), 1u);
  EXPECT_EQ(t.app.bank.BankTitle, "Good");
  EXPECT_EQ(t.app.bank.QuesCount, 2);
  EXPECT_EQ(t.app.QuesChosen, 1);
}

}  // namespace
}  // namespace vcq
