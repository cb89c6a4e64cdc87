// Whole drills on the layout-3 sample bank, where choice and typed questions
// alternate, driven by digit keys and typing with the clock advanced by hand.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <vector>

#include "data/Cp932.h"
#include "platform/VirtualKeys.h"
#include "tests/support/ChoiceDrill.h"
#include "tests/support/CueTable.h"
#include "tests/support/DrillFixture.h"

namespace vcq {
namespace {

namespace fs = std::filesystem;
using test::PlayedCue;
using namespace test::cues;

struct MixedDrill : test::DrillFixture {
  MixedDrill() { OpenSample("eigo3.dat"); }
  bool ChoicesShown() {
    for (int i = 0; i < 4; ++i)
      if (!ques().s[i].Visible || !ques().s[i].Enabled) return false;
    return true;
  }
};

// Given a learner who misses choice question 0 once, typed question 1 once
// and choice question 12 twice, the drill should ask every choice question
// as a choice, end in the congratulations window, and F1 should write a
// record with every question mastered and the missed ones answered three
// times.
TEST_F(MixedDrill, LearnerWhoMissesChoicesRunsToTheEndAndTheRecordIsWritten) {
  std::map<int, int> misses{{0, 1}, {1, 1}, {12, 2}};
  int choiceAsks = 0;
  d.StartDrill();
  for (int asked = 0;; ++asked) {
    ASSERT_LT(asked, 200);
    d.Settle();
    if (d.Ended()) break;
    ASSERT_TRUE(d.Waiting());
    const int q = drill().Batch[drill().BatchPos];
    // Even questions pick a choice, odd ones are typed.
    ASSERT_EQ(drill().QuesMode, q % 2 == 0 ? AnswerMode::Choice : AnswerMode::Typed) << q;
    ASSERT_EQ(ques().pnlSel.Visible, q % 2 == 0) << q;
    if (drill().QuesMode == AnswerMode::Choice) {
      ++choiceAsks;
      ASSERT_EQ(drill().ChoiceCnt, 4) << q;
      ASSERT_TRUE(ChoicesShown()) << q;
      ASSERT_GE(test::RightPanel(drill()), 0) << q;
    }
    if (misses[q] > 0) {
      --misses[q];
      test::AnswerWrong(d);
    } else {
      test::AnswerRight(d);
    }
  }
  // Twenty choice questions twice each, 0 and 12 once more in a later
  // batch, and 0 and 12 again in the reviews of their batches.
  EXPECT_EQ(choiceAsks, 20 * 2 + 2 + 3);
  EXPECT_EQ(d.t.app.frmMain.OkSum, 80);
  EXPECT_EQ(d.t.app.frmMain.NgSum, 3);
  EXPECT_TRUE(d.t.dialogs.errors.empty());

  d.Esc();
  EXPECT_FALSE(ques().form.Visible);
  d.t.Key(vk::kF1);
  std::string expected = test::ReadBytes(fs::path(VCQ_TEST_DATA) / "eigo3-mastered.ret");
  expected.replace(expected.find("@BANK@"), 6, ToCp932(dir / "eigo3.dat"));
  EXPECT_EQ(test::ReadBytes(dir / "rec.ret"), expected);
}

// Given a wrong pick and then the right one on the first question, the
// answer line should show the answer in red and then black, the choices
// should stay live until the right pick, and the question should end marked
// "×" with the wrong pick kept in the answer list.
TEST_F(MixedDrill, WrongPickThenRightKeepsTheFirstPickAndMarksWrong) {
  d.StartDrill();
  ASSERT_EQ(drill().QuesMode, AnswerMode::Choice);
  EXPECT_EQ(ques().w3.Caption, "I (       ) my grandmother's cat while she was in the hospital. ");
  EXPECT_EQ(drill().AnsWord, "looked after");
  EXPECT_TRUE(ques().imgMouse.Visible);
  EXPECT_FALSE(ques().pnlInf.Visible);
  EXPECT_FALSE(ques().s[4].Visible || ques().s[4].Enabled);
  d.sound().clear();

  const int wrong = test::WrongPanel(drill());
  const std::string wrongItem = drill().ChoiceItem[wrong];
  test::PickKey(d, wrong);
  EXPECT_EQ(d.sound(), (std::vector<PlayedCue>{kKey, kWrong}));
  EXPECT_EQ(ques().w2.Caption, wrongItem);
  EXPECT_EQ(ques().w3.Caption,
            "I (looked after) my grandmother's cat while she was in the hospital. ");
  EXPECT_EQ(ques().w3.FontColor, colors::kRed);
  EXPECT_EQ(ques().lblMes.Caption, Sj("直しです"));
  EXPECT_EQ(
      ques().lblAnsAbout.Caption,
      Sj("look after で「…の世話をする」。look for は「探す」、look into は「調べる」です。"));
  EXPECT_EQ(ques().a[0].Caption, wrongItem);
  EXPECT_TRUE(ques().tmrNG->Enabled());
  EXPECT_TRUE(ChoicesShown());
  d.SettleAnimations();
  EXPECT_EQ(ques().EsperPicture, 7);

  d.sound().clear();
  test::PickKey(d, test::RightPanel(drill()));
  EXPECT_EQ(d.sound(), (std::vector<PlayedCue>{kKey, kRight}));
  EXPECT_EQ(ques().w2.Caption, "looked after");
  EXPECT_EQ(ques().w3.FontColor, colors::kBlack);
  EXPECT_EQ(ques().lblAnsAbout.Caption, "");
  EXPECT_EQ(ques().a[0].Caption, wrongItem);
  for (const Control& s : ques().s) EXPECT_FALSE(s.Visible || s.Enabled);
  EXPECT_EQ(ques().tmrOK->Interval(), 100);
  d.Settle();
  EXPECT_EQ(ques().lox[0].Caption, Sj("×"));
  EXPECT_TRUE(ques().lox[0].Visible);
  EXPECT_EQ(rec().OkLevel[0], 0);
  EXPECT_EQ(rec().AnsCount[0], 1);
  EXPECT_EQ(d.t.app.frmMain.NgSum, 1);
  // On to question 1, a typed one: the settings area is back.
  EXPECT_EQ(drill().BatchPos, 1);
  EXPECT_EQ(drill().QuesMode, AnswerMode::Typed);
  EXPECT_TRUE(ques().pnlInf.Visible);
  EXPECT_FALSE(ques().pnlSel.Visible || ques().imgMouse.Visible);
  EXPECT_EQ(d.sound().back(), kNext);
}

// Given the first question missed and the rest right, the review should ask
// the choice question again with its panels live, write its row anew in red
// and turn its mark to "○" without changing its level.
TEST_F(MixedDrill, ReviewAsksTheChoiceQuestionAgainAndMarksItAnew) {
  d.StartDrill();
  test::AnswerWrong(d);
  while (drill().Review == 0) test::AnswerRight(d);
  EXPECT_EQ(drill().BatchPos, 0);
  EXPECT_EQ(drill().QuesMode, AnswerMode::Choice);
  EXPECT_EQ(ques().lblMes.Caption, Sj("復習です"));
  EXPECT_TRUE(ChoicesShown());
  EXPECT_EQ(ques().w3.FontColor, colors::kBlack);
  EXPECT_EQ(ques().w3.Caption, "I (       ) my grandmother's cat while she was in the hospital. ");
  EXPECT_EQ(ques().lox[0].Caption, Sj("×"));

  test::PickKey(d, test::RightPanel(drill()));
  EXPECT_EQ(ques().a[0].Caption, "looked after");
  EXPECT_EQ(ques().a[0].FontColor, colors::kRed);
  EXPECT_EQ(ques().tmrOK->Interval(), 10);
  d.SettleAnimations();
  EXPECT_EQ(ques().lox[0].Caption, Sj("○"));
  EXPECT_EQ(ques().a[1].FontColor, colors::kBlack);  // rows not asked again stay
  EXPECT_EQ(rec().OkLevel[0], 0);
  EXPECT_EQ(rec().AnsCount[0], 1);
  EXPECT_EQ(ques().lblTen.Caption, "90");
  EXPECT_TRUE(ques().tmrStart->Enabled());
}

}  // namespace
}  // namespace vcq
