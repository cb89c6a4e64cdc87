// Whole drills on the sample banks, driven like a learner at the keyboard
// with the clock advanced by hand.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <vector>

#include "data/Cp932.h"
#include "platform/VirtualKeys.h"
#include "tests/support/CueTable.h"
#include "tests/support/DrillFixture.h"

namespace vcq {
namespace {

namespace fs = std::filesystem;
using test::PlayedCue;
using namespace test::cues;

std::vector<int> BatchOf(const DrillState& d) {
  return std::vector<int>(d.Batch.begin(), d.Batch.begin() + d.BatchCount);
}

std::vector<int> Range(int from, int to) {
  std::vector<int> v;
  for (int i = from; i <= to; ++i) v.push_back(i);
  return v;
}

int CountCue(const test::RecordingSound& s, const PlayedCue& c) {
  return static_cast<int>(std::count(s.played.begin(), s.played.end(), c));
}

struct SampleDrill : test::DrillFixture {
  explicit SampleDrill(const char* bank = "eigo1.dat") { OpenSample(bank); }
};

// Given a learner who misses question 3 once and question 17 twice, the drill
// should run nine batches, each question mastered after two right first
// answers, end in the congratulations window, and F1 should write a record
// with every question at level 2 and the two missed ones answered three times.
TEST_F(SampleDrill, LearnerWhoErrsRunsToTheEndAndTheRecordIsWritten) {
  std::map<int, int> misses{{3, 1}, {17, 2}};
  std::vector<std::vector<int>> batches;
  std::vector<int> scores;
  d.StartDrill();
  for (int asked = 0;; ++asked) {
    ASSERT_LT(asked, 200);
    d.Settle();
    if (d.Ended()) break;
    ASSERT_TRUE(d.Waiting());
    if (drill().BatchPos == 0 && drill().Review == 0) {
      if (!batches.empty()) scores.push_back(drill().BatchScore);
      batches.push_back(BatchOf(drill()));
    }
    const int q = drill().Batch[drill().BatchPos];
    if (misses[q] > 0) {
      --misses[q];
      d.WrongQuestion();
    } else {
      d.RightQuestion();
    }
  }
  EXPECT_EQ(batches, (std::vector<std::vector<int>>{Range(0, 9),
                                                    Range(10, 19),
                                                    Range(20, 29),
                                                    Range(30, 39),
                                                    {3, 17, 0, 1, 2, 4, 5, 6, 7, 8},
                                                    Range(9, 18),
                                                    Range(19, 28),
                                                    Range(29, 38),
                                                    {39, 3}}));
  EXPECT_EQ(scores, (std::vector<int>{90, 90, 100, 100, 100, 100, 100, 100}));
  EXPECT_EQ(d.t.app.frmMain.OkSum, 80);
  EXPECT_EQ(d.t.app.frmMain.NgSum, 2);
  EXPECT_EQ(ques().lblOks.Caption, "80");
  EXPECT_EQ(ques().lblNgs.Caption, "2");
  EXPECT_EQ(ques().lblTestCnt.Caption, Sj("第 10 回"));
  // Start-up, one review in batch 1, two in batch 2, the end.
  EXPECT_EQ(CountCue(d.t.sound, kHuku), 5);
  EXPECT_EQ(d.t.sound.played.back(), kHuku);
  EXPECT_TRUE(ques().form.Visible);

  d.Esc();
  EXPECT_FALSE(ques().form.Visible);
  d.t.Key(vk::kF1);
  std::string expected = test::ReadBytes(fs::path(VCQ_TEST_DATA) / "eigo1-mastered.ret");
  expected.replace(expected.find("@BANK@"), 6, ToCp932(dir / "eigo1.dat"));
  EXPECT_EQ(test::ReadBytes(dir / "rec.ret"), expected);
  EXPECT_TRUE(d.t.dialogs.errors.empty());
}

TEST_F(SampleDrill, FirstBatchBeginsAboutTwoSecondsAfterF5) {
  TfrmMain& m = d.t.app.frmMain;
  m.form.Left = 120;
  m.form.Top = 80;
  d.t.sound.played.clear();
  d.t.Key(vk::kF5);
  EXPECT_TRUE(ques().form.Visible);
  EXPECT_EQ(ques().form.Left, 120);
  EXPECT_EQ(ques().form.Top, 80);
  EXPECT_EQ(ques().form.Width, 600);
  EXPECT_EQ(ques().form.Height, 450);
  EXPECT_TRUE(ques().ImeOff);
  EXPECT_TRUE(ques().pnlInf.Visible);
  EXPECT_FALSE(ques().pnlSel.Visible);
  EXPECT_EQ(d.t.sound.played, (std::vector<PlayedCue>{kCommand}));

  d.t.clock.Advance(999);
  EXPECT_FALSE(ques().lblTestCnt.Visible);
  d.t.clock.Advance(1);
  EXPECT_TRUE(ques().lblTestCnt.Visible);
  EXPECT_EQ(ques().lblTestCnt.Caption, Sj("第 1 回"));
  EXPECT_EQ(ques().lblDName.Caption, Sj("基本英文法40"));
  EXPECT_EQ(d.t.sound.played.back(), kChange);

  d.t.clock.Advance(999);
  EXPECT_EQ(drill().InBatch, 0);
  d.t.clock.Advance(1);
  EXPECT_EQ(drill().InBatch, 1);
  EXPECT_EQ(ques().w1.Caption, Sj("今日は宿題がたくさんあります。"));
  EXPECT_EQ(ques().w3.Caption, "I (    ) a lot of homework today. ");
  EXPECT_EQ(ques().lblMes.Caption, Sj("答を入れてください"));
  EXPECT_EQ(ques().lblTitle.Caption, Sj("基本動詞"));
  EXPECT_EQ(ques().EsperPicture, 1);
  EXPECT_FALSE(ques().tmrStart->Enabled());
}

// Given Esc pressed while a right answer is being animated, the animation
// should finish behind the main window and still record the question.
TEST_F(SampleDrill, EscDuringTheRightAnimationStillRecordsTheQuestion) {
  d.StartDrill();
  d.Type("have");
  d.Enter();
  EXPECT_TRUE(ques().tmrOK->Enabled());
  d.sound().clear();
  d.Esc();
  EXPECT_FALSE(ques().form.Visible);
  EXPECT_TRUE(d.t.app.frmMain.form.Visible);
  EXPECT_EQ(rec().OkLevel[0], -1);

  d.t.clock.Advance(700);
  EXPECT_EQ(rec().OkLevel[0], 1);
  EXPECT_EQ(rec().AnsCount[0], 1);
  EXPECT_EQ(d.t.app.frmMain.OkSum, 1);
  EXPECT_EQ(ques().lox[0].Caption, Sj("○"));
  EXPECT_EQ(drill().BatchPos, 1);
  EXPECT_FALSE(ques().form.Visible);
  EXPECT_EQ(d.sound(), (std::vector<PlayedCue>{kKey, kNext}));
}

TEST_F(SampleDrill, RightAndWrongCountersRunAcrossDrills) {
  d.StartDrill();
  d.RightQuestion();
  d.WrongQuestion();
  d.Esc();
  EXPECT_EQ(ques().lblOks.Caption, "1");
  EXPECT_EQ(ques().lblNgs.Caption, "1");

  d.StartDrill();
  // The new drill scans from the top: question 0 is right once, question 1 wrong.
  EXPECT_EQ(BatchOf(drill()), (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10}));
  EXPECT_EQ(ques().lblTestCnt.Caption, Sj("第 1 回"));
  d.RightQuestion();
  EXPECT_EQ(d.t.app.frmMain.OkSum, 2);
  EXPECT_EQ(d.t.app.frmMain.NgSum, 1);
  EXPECT_EQ(ques().lblOks.Caption, "2");
  EXPECT_EQ(rec().OkLevel[1], 1);
}

// Given a whole batch answered and the next one being announced, answer
// keys should change nothing and never reach a row past the batch; Esc
// still leaves. After the drill has ended the same holds.
TEST_F(SampleDrill, KeysInThePauseBeforeABatchChangeNothing) {
  d.StartDrill();
  for (int i = 0; i < 10; ++i) d.RightQuestion();
  // The next batch is announced in a second and begins a second later.
  EXPECT_TRUE(ques().tmrStart->Enabled());
  EXPECT_EQ(drill().BatchPos, 10);
  const auto snapshot = [&] {
    std::vector<std::string> s;
    for (const Control& c : ques().a) s.push_back(c.Caption);
    for (const Control& c : ques().lox) s.push_back(c.Caption + (c.Visible ? "+" : "-"));
    s.push_back(ques().w2.Caption + ques().w3.Caption);
    return s;
  };
  const auto before = snapshot();
  const Record recBefore = rec();
  d.sound().clear();
  d.Type("have");
  d.Enter();
  d.Back();
  d.Delete();
  d.Enter();
  EXPECT_EQ(snapshot(), before);
  EXPECT_EQ(rec().OkLevel, recBefore.OkLevel);
  EXPECT_EQ(rec().AnsCount, recBefore.AnsCount);
  EXPECT_EQ(d.t.app.frmMain.OkSum, 10);
  EXPECT_EQ(d.t.app.frmMain.NgSum, 0);
  EXPECT_EQ(drill().KeyIn, "");
  EXPECT_TRUE(d.t.dialogs.errors.empty());
  EXPECT_EQ(CountCue(d.t.sound, kButton), static_cast<int>(d.sound().size()));

  d.Esc();
  EXPECT_FALSE(ques().form.Visible);
  d.t.clock.Advance(2000);  // the batch still begins, behind the main window
  EXPECT_EQ(drill().InBatch, 1);
  EXPECT_EQ(BatchOf(drill()), Range(10, 19));
}

TEST_F(SampleDrill, KeysAfterTheDrillHasEndedChangeNothing) {
  for (int& level : rec().OkLevel) level = 2;
  rec().OkLevel[5] = 1;
  d.StartDrill();
  d.RightQuestion();
  d.Settle();
  ASSERT_TRUE(d.Ended());
  const Record recBefore = rec();
  d.Type("make");
  d.Enter();
  EXPECT_EQ(rec().OkLevel, recBefore.OkLevel);
  EXPECT_EQ(rec().AnsCount, recBefore.AnsCount);
  EXPECT_EQ(ques().a[0].Caption, "");
  EXPECT_TRUE(d.t.dialogs.errors.empty());
  d.Esc();
  EXPECT_FALSE(ques().form.Visible);
}

struct EasyDrill : SampleDrill {
  EasyDrill() : SampleDrill("eigo0.dat") {}
  // The first batch with the questions in `misses` answered wrong, then
  // their review; returns the second batch.
  std::vector<int> SecondBatchAfterMissing(std::vector<int> misses) {
    d.StartDrill();
    while (drill().Review == 0) {
      const int q = drill().Batch[drill().BatchPos];
      if (std::find(misses.begin(), misses.end(), q) != misses.end())
        d.WrongQuestion();
      else
        d.RightQuestion();
    }
    while (d.Waiting()) d.RightQuestion();
    d.Settle();
    return BatchOf(drill());
  }
};

// Given a batch scoring 60, the next scan should start where that one did,
// skipping the six right ones and bringing the four missed questions back
// first.
TEST_F(EasyDrill, BelowSeventyPercentTheScanStartsAgain) {
  EXPECT_EQ(SecondBatchAfterMissing({1, 4, 6, 8}),
            (std::vector<int>{1, 4, 6, 8, 10, 11, 12, 13, 14, 15}));
  EXPECT_EQ(drill().PassStart, 0);
  EXPECT_FALSE(ques().lblTen.Visible);  // the last score is hidden as a batch begins
}

TEST_F(EasyDrill, AtSeventyPercentTheScanGoesOn) {
  EXPECT_EQ(SecondBatchAfterMissing({1, 4, 6}), Range(10, 19));
}

// Given two questions missed in the first pass and one of them again in the
// first review, the review passes should ask only the missed ones, the
// twice-missed one a third time, and the marks should end as right.
TEST_F(EasyDrill, ReviewPassesAskOnlyTheQuestionsMissedLastPass) {
  std::map<int, int> misses{{2, 1}, {7, 2}};
  std::vector<std::pair<int, int>> asked;  // review, position
  d.StartDrill();
  while (drill().TestNo == 1 && d.Waiting()) {
    asked.emplace_back(drill().Review, drill().BatchPos);
    if (drill().Review == 1) {
      EXPECT_EQ(ques().lblMes.Caption, Sj("復習です"));
      EXPECT_EQ(ques().pnlMes.Color, quescolors::kReviewStrip);
    }
    const int q = drill().Batch[drill().BatchPos];
    if (misses[q]-- > 0)
      d.WrongQuestion();
    else
      d.RightQuestion();
    if (asked.size() == 12) {
      // After the first review: question 7 is marked wrong again, 2 is right.
      EXPECT_EQ(ques().lox[7].Caption, Sj("×"));
      EXPECT_EQ(ques().lox[2].Caption, Sj("○"));
      EXPECT_EQ(ques().a[7].FontColor, colors::kRed);
    }
  }
  std::vector<std::pair<int, int>> expected;
  for (int i = 0; i < 10; ++i) expected.emplace_back(0, i);
  expected.insert(expected.end(), {{1, 2}, {1, 7}, {1, 7}});
  EXPECT_EQ(asked, expected);
  EXPECT_EQ(ques().lox[7].Caption, Sj("○"));
  EXPECT_EQ(ques().lblTen.Caption, "80");  // the first pass's score stays
  EXPECT_EQ(rec().OkLevel[2], 0);
  EXPECT_EQ(rec().OkLevel[7], 0);
  EXPECT_EQ(rec().AnsCount[7], 1);
  EXPECT_EQ(d.t.app.frmMain.NgSum, 2);
  EXPECT_EQ(CountCue(d.t.sound, kHuku), 1 + 2);
}

// Given a record in free mode, levels and answer counts should stay as they
// were while the counters, marks and reviews work; each question is asked
// once in the program's run, so a second drill ends at once.
TEST_F(EasyDrill, FreeModeLeavesLevelsAndCounts) {
  rec().FreeMode = 1;
  rec().OkLevel[0] = 2;
  d.StartDrill();
  EXPECT_EQ(BatchOf(drill()), Range(0, 9));
  d.WrongQuestion();
  while (d.Waiting()) d.RightQuestion();
  d.Settle();
  EXPECT_EQ(BatchOf(drill()), Range(10, 19));
  for (d.Settle(); !d.Ended(); d.Settle()) d.RightQuestion();
  EXPECT_EQ(d.t.app.frmMain.OkSum, 24);
  EXPECT_EQ(d.t.app.frmMain.NgSum, 1);
  EXPECT_EQ(rec().OkLevel[0], 2);
  for (int q = 1; q < 25; ++q) EXPECT_EQ(rec().OkLevel[q], -1) << q;
  for (int q = 0; q < 25; ++q) EXPECT_EQ(rec().AnsCount[q], 0) << q;

  d.Esc();
  d.t.app.frmOmedeto.btnOkClick();
  d.StartDrill();
  EXPECT_TRUE(d.Ended());
  EXPECT_EQ(drill().BatchCount, 0);
}

}  // namespace
}  // namespace vcq
