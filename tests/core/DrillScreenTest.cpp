// The drill screen itself: the character's animations, leaving by Esc or
// the quit panel, and showing the screen again.
#include <gtest/gtest.h>

#include <vector>

#include "data/Cp932.h"
#include "platform/VirtualKeys.h"
#include "tests/support/CueTable.h"
#include "tests/support/DrillBanks.h"
#include "tests/support/DrillFixture.h"

namespace vcq {
namespace {

using test::PlayedCue;
using namespace test::cues;

struct Screen : test::DrillFixture {
  Screen() { OpenBank("t.dat", test::TypedBank({"I @go", "you @come", "we @run"})); }
  // The character's picture after each of `ticks` steps of `ms`.
  std::vector<int> Frames(int ticks, int ms) {
    std::vector<int> v;
    for (int i = 0; i < ticks; ++i) {
      d.t.clock.Advance(ms);
      v.push_back(ques().EsperPicture);
    }
    return v;
  }
};

TEST_F(Screen, RightAnimationSevenFramesThenOn) {
  d.StartDrill();
  d.Type("go");
  d.Enter();
  EXPECT_EQ(ques().tmrOK->Interval(), 100);
  EXPECT_EQ(Frames(6, 100), (std::vector<int>{1, 2, 3, 1, 2, 3}));
  EXPECT_EQ(drill().BatchPos, 0);
  EXPECT_EQ(Frames(1, 100), (std::vector<int>{1}));
  EXPECT_FALSE(ques().tmrOK->Enabled());
  EXPECT_EQ(drill().BatchPos, 1);
}

// Given a wrong answer, five ticks of 300 ms show frames 4 to 7 and leave the
// gap waiting; in review the right animation runs at 10 ms a tick.
TEST_F(Screen, WrongAnimationAndTheFastReview) {
  d.StartDrill();
  d.Type("went");
  d.Enter();
  EXPECT_EQ(Frames(5, 300), (std::vector<int>{1, 4, 5, 6, 7}));
  EXPECT_FALSE(ques().tmrNG->Enabled());
  EXPECT_EQ(drill().BatchPos, 0);
  EXPECT_EQ(drill().WordNg, 1);
  d.RightQuestion();
  d.RightQuestion();
  d.RightQuestion();
  ASSERT_EQ(drill().Review, 1);
  d.Type("go");
  d.Enter();
  EXPECT_EQ(ques().tmrOK->Interval(), 10);
  EXPECT_EQ(ques().tmrNG->Interval(), 300);
  d.t.clock.Advance(70);
  EXPECT_FALSE(ques().tmrOK->Enabled());
  EXPECT_TRUE(ques().tmrStart->Enabled());  // the review is done
}

TEST_F(Screen, QuitPanelClearsTheQuestionAndLeaves) {
  d.StartDrill();
  d.Type("went");
  d.Enter();
  d.SettleAnimations();
  d.sound().clear();
  d.t.app.Guard([&] { ques().pnlQuitClick(); });
  EXPECT_EQ(d.sound(), (std::vector<PlayedCue>{kButton}));
  EXPECT_FALSE(ques().form.Visible);
  EXPECT_TRUE(d.t.app.frmMain.form.Visible);
  EXPECT_EQ(ques().w1.Caption + ques().w2.Caption + ques().w3.Caption, "");
  EXPECT_EQ(ques().a[0].Caption, "");
  EXPECT_EQ(ques().lblAnsAbout.Caption, "");
  EXPECT_FALSE(ques().lox[0].Visible);
}

// Before the first question of the run the screen takes keys as for a
// choice question: Esc plays the change cue and leaves, and the pending
// batch still begins behind the main window.
TEST_F(Screen, EscWhileTheFirstBatchIsPending) {
  d.t.Key(vk::kF5);
  d.t.clock.Advance(500);
  d.sound().clear();
  d.Type("go");
  d.Enter();
  EXPECT_TRUE(d.sound().empty());
  d.Esc();
  EXPECT_EQ(d.sound(), (std::vector<PlayedCue>{kChange}));
  EXPECT_FALSE(ques().form.Visible);
  d.t.clock.Advance(1500);
  EXPECT_FALSE(ques().form.Visible);
  EXPECT_EQ(drill().InBatch, 1);
  EXPECT_EQ(ques().w1.Caption, Sj("問 0"));
}

// Given the drill left at a waiting question, F5 shows it again with the old
// question on screen until the new batch begins, and keys meanwhile do not
// answer the old question.
TEST_F(Screen, ShowingAgainRestartsWithAPause) {
  d.StartDrill();
  d.Esc();
  d.t.Key(vk::kF5);
  EXPECT_TRUE(ques().form.Visible);
  EXPECT_EQ(ques().w1.Caption, Sj("問 0"));
  EXPECT_EQ(ques().AnsColor, colors::kWhite);
  d.sound().clear();
  d.Type("go");
  d.Enter();
  EXPECT_EQ(d.sound().size(), 3u);
  EXPECT_EQ(d.sound().back(), kButton);
  EXPECT_EQ(ques().a[0].Caption, "");
  EXPECT_EQ(drill().BatchNg[0], 0);
  d.Settle();
  EXPECT_EQ(ques().lblTestCnt.Caption, Sj("第 1 回"));
  EXPECT_EQ(drill().AnsWord, "go");
  d.RightQuestion();
  EXPECT_EQ(d.t.app.rec.OkLevel[0], 1);
}

}  // namespace
}  // namespace vcq
