// What the drill screen shows, by the presentation steps on a program whose
// drill state the test sets.
#include <gtest/gtest.h>

#include <string>

#include "data/Cp932.h"
#include "drill/DrillCourse.h"
#include "drill/Presentation.h"
#include "platform/Error.h"
#include "tests/support/DrillFixture.h"

namespace vcq {
namespace {

// No record is opened: each test sets what its steps read.
struct Shown : test::DrillFixture {
  Shown() {
    app().rec.OkLevel.fill(-1);
    app().drill.BatchCount = 3;
  }
  Program& app() { return t.app; }
  const DrillContext& ctx() { return t.app.frmQues.Context(); }
  void SetAnswer(const std::string& ans) {
    drill().AnsText = ans;
    drill().Words = SplitBlank(ans);
    drill().WordCnt = drill().Words.Count();
  }

  test::TestProgram& t = d.t;
};

// Given answer sentences of 31 and 32 bytes and prompts of 13 and 14, the
// type sizes should change exactly there.
TEST_F(Shown, FontSizesFollowTheTextLengths) {
  drill().BatchPos = 4;
  drill().AnsText = std::string(31, 'a');
  drill().QuesText = "abcdefghijklm";
  ShowQues(ctx());
  EXPECT_EQ(ques().w2.FontSize, Pt(16));
  EXPECT_EQ(ques().w3.FontSize, Pt(16));
  EXPECT_EQ(ques().a[4].FontSize, Pt(10));
  EXPECT_EQ(ques().w1.FontSize, Pt(14));
  EXPECT_EQ(ques().w1.Caption, "abcdefghijklm");
  EXPECT_TRUE(ques().w1.Visible && ques().w2.Visible && ques().w3.Visible);

  drill().AnsText = std::string(32, 'a');
  drill().QuesText = Sj("今日は宿題です");  // 14 bytes
  ShowQues(ctx());
  EXPECT_EQ(ques().w3.FontSize, Pt(12));
  EXPECT_EQ(ques().a[4].FontSize, Pt(8));
  EXPECT_EQ(ques().w1.FontSize, Pt(12));
  EXPECT_EQ(Pt(16), 21);
  EXPECT_EQ(Pt(14), 19);

  drill().BatchPos = 10;  // past the answer list
  EXPECT_THROW(ShowQues(ctx()), RangeError);
}

TEST_F(Shown, ExplanationSizeAndEmptyExplanation) {
  drill().AnsAbout = std::string(19, 'x');
  ShowAbout(ctx());
  EXPECT_EQ(ques().lblAnsAbout.FontSize, Pt(12));
  drill().AnsAbout = std::string(20, 'x');
  ShowAbout(ctx());
  EXPECT_EQ(ques().lblAnsAbout.FontSize, Pt(10));
  drill().AnsAbout.clear();
  ShowAbout(ctx());
  EXPECT_EQ(ques().lblAnsAbout.Caption, std::string(20, 'x'));
  ClearAbout(ctx());
  EXPECT_EQ(ques().lblAnsAbout.Caption, "");
}

TEST_F(Shown, ScoreDropsTheFraction) {
  drill().OkCnt = 2;
  drill().BatchScore = BatchScoreOf(drill());
  ShowScore(ctx());
  EXPECT_EQ(drill().BatchScore, 66);
  EXPECT_EQ(ques().lblTen.Caption, "66");
  EXPECT_TRUE(ques().lblTen.Visible);
  drill().OkCnt = 7;
  drill().BatchCount = 10;
  EXPECT_EQ(BatchScoreOf(drill()), 70);
  drill().BatchCount = 0;
  EXPECT_EQ(BatchScoreOf(drill()), 66);
}

TEST_F(Shown, BatchCaptionCountsUp) {
  app().bank.BankTitle = Sj("基本英文法40");
  for (int i = 0; i < 10; ++i) BeginRound(ctx());
  EXPECT_EQ(ques().lblTestCnt.Caption, Sj("第 10 回"));
  EXPECT_EQ(ques().lblDName.Caption, Sj("基本英文法40"));
  EXPECT_TRUE(ques().lblTestCnt.Visible && ques().lblDName.Visible);
}

TEST_F(Shown, AnswerLinesFillTheGapsByState) {
  SetAnswer("I @have @been to Kyoto");
  ques().AnsColor = colors::kBlack;
  ShowAnsLine(ctx());
  EXPECT_EQ(ques().w3.Caption, "I (    ) (    ) to Kyoto ");
  drill().WordPos = 2;
  ShowAnsLine(ctx());
  EXPECT_EQ(ques().w3.Caption, "I have (    ) to Kyoto ");
  drill().WordPos = 3;
  drill().WordNg = 1;
  ques().AnsColor = colors::kRed;
  ShowAnsLine(ctx());
  EXPECT_EQ(ques().w3.Caption, "I (have) (been) to Kyoto ");
  EXPECT_EQ(ques().w3.FontColor, colors::kRed);
  ShowFullLine(ctx());
  EXPECT_EQ(ques().w3.Caption, "I have been to Kyoto ");

  SetAnswer("He @looks_after his sister");
  ShowFullLine(ctx());
  EXPECT_EQ(ques().w3.Caption, "He looks_after his sister ");
}

// Given a line that would run past 180 bytes in the middle of a double-byte
// character, the cut should fall before that character.
TEST_F(Shown, LongAnswerLineIsCutOnACharacter) {
  std::string ans = "xy";
  for (int i = 0; i < 17; ++i) ans += Sj(" あああああ");
  SetAnswer(ans);
  ShowFullLine(ctx());
  EXPECT_EQ(ques().w3.Caption.size(), 179u);
  EXPECT_EQ(ques().w3.Caption.back(), ' ');
  SetAnswer(std::string(170, 'a') + " @bbbbbbbbbbbbbbbb");
  ShowAnsLine(ctx());
  EXPECT_EQ(ques().w3.Caption, std::string(170, 'a') + " (    ) ");
  ShowFullLine(ctx());
  EXPECT_EQ(ques().w3.Caption, std::string(170, 'a') + " bbbbbbbbb");
}

TEST_F(Shown, SettingsTexts) {
  ShowSettings(ctx());
  EXPECT_EQ(ques().pnlHint.Caption, Sj("１字表示していません"));
  EXPECT_EQ(ques().pnlorder.Caption, Sj("並び順出題です"));
  EXPECT_EQ(ques().pnlFlash.Caption, Sj("ﾌﾗｯｼｭ表示していません"));
  EXPECT_TRUE(ques().pnlInf.Visible);
  EXPECT_FALSE(ques().pnlSel.Visible || ques().imgMouse.Visible);
  app().rec.OneLetter = 1;
  app().rec.OrderMode = 1;
  app().rec.FlashTime = 3;
  ShowSettings(ctx());
  EXPECT_EQ(ques().pnlHint.Caption, Sj("１字表示しています"));
  EXPECT_EQ(ques().pnlorder.Caption, Sj("ﾗﾝﾀﾞﾑ順出題です"));
  EXPECT_EQ(ques().pnlFlash.Caption, Sj("ﾌﾗｯｼｭ表示3です"));
}

TEST_F(Shown, TitleNamesTheLessonAndPicksTheSideArea) {
  app().frmMain.map.SelNames[2] = Sj("時制");
  drill().Batch[1] = 7;
  drill().BatchPos = 1;
  app().bank.QuesLes[7] = 2;
  drill().QuesMode = AnswerMode::Choice;
  ShowQuesTitle(ctx());
  EXPECT_EQ(ques().lblTitle.Caption, Sj("時制"));
  EXPECT_TRUE(ques().lblTitle.Visible);
  EXPECT_FALSE(ques().pnlInf.Visible);
  EXPECT_TRUE(ques().pnlSel.Visible && ques().imgMouse.Visible);
  drill().QuesMode = AnswerMode::Typed;
  ShowQuesTitle(ctx());
  EXPECT_TRUE(ques().pnlInf.Visible);
  EXPECT_FALSE(ques().pnlSel.Visible);
}

// Given a flash time of 5, the full sentence stays two seconds in green and
// is then replaced by the gapped line in black; with 0 no flash runs.
TEST_F(Shown, FlashShowsTheSentenceForTwoTicks) {
  SetAnswer("I @have it");
  app().rec.FlashTime = 5;
  StartFlash(ctx());
  EXPECT_EQ(ques().w3.Caption, "I have it ");
  EXPECT_EQ(ques().w3.FontColor, colors::kGreen);
  EXPECT_EQ(ques().tmrFlash->Interval(), 1000);
  t.clock.Advance(1999);
  EXPECT_EQ(ques().w3.Caption, "I have it ");
  t.clock.Advance(1);
  EXPECT_EQ(ques().w3.Caption, "I (    ) it ");
  EXPECT_EQ(ques().w3.FontColor, colors::kBlack);
  EXPECT_FALSE(ques().tmrFlash->Enabled());

  app().rec.FlashTime = 0;
  ques().AnsColor = colors::kWhite;
  StartFlash(ctx());
  EXPECT_EQ(ques().w3.Caption, "I (    ) it ");
  EXPECT_EQ(ques().w3.FontColor, colors::kBlack);
  EXPECT_FALSE(ques().tmrFlash->Enabled());
}

TEST_F(Shown, OneLetterHintOnlyForTypedQuestionsWithTheOption) {
  drill().AnsWord = "have";
  ques().w2.Caption = "x";
  drill().QuesMode = AnswerMode::Typed;
  ShowOneLetter(ctx());
  EXPECT_EQ(ques().w2.Caption, "x");
  app().rec.OneLetter = 1;
  drill().QuesMode = AnswerMode::Choice;
  ShowOneLetter(ctx());
  EXPECT_EQ(ques().w2.Caption, "x");
  drill().QuesMode = AnswerMode::Typed;
  ShowOneLetter(ctx());
  EXPECT_EQ(ques().w2.Caption, "h---");
  EXPECT_EQ(ques().w2.FontColor, quescolors::kHint);
}

// The mark shows the pass's verdict and counts nothing: counting is the
// grading step's, in the first pass only (the drill scenarios check that).
TEST_F(Shown, MarksShowTheVerdictAndCountNothing) {
  drill().Batch[0] = 5;
  drill().BatchNg[0] = 1;
  ShowMark(ctx());
  EXPECT_EQ(ques().lox[0].Caption, Sj("×"));
  EXPECT_TRUE(ques().lox[0].Visible);
  drill().BatchNg[0] = 0;
  ShowMark(ctx());
  EXPECT_EQ(ques().lox[0].Caption, Sj("○"));
  EXPECT_EQ(app().rec.OkLevel[5], -1);
  EXPECT_EQ(app().rec.AnsCount[5], 0);
  EXPECT_EQ(app().frmMain.OkSum + app().frmMain.NgSum, 0);
  EXPECT_EQ(ques().lblOks.Caption + ques().lblNgs.Caption, "00");
}

}  // namespace
}  // namespace vcq
