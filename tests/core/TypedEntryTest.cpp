// Typing gaps on the drill screen: what enters the input, how a gap is
// judged and corrected, and how a typed question ends.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "data/Cp932.h"
#include "drill/Verdict.h"
#include "platform/VirtualKeys.h"
#include "tests/support/CueTable.h"
#include "tests/support/DrillBanks.h"
#include "tests/support/DrillFixture.h"

namespace vcq {
namespace {

using test::PlayedCue;
using namespace test::cues;

struct TypedDrill : test::DrillFixture {
  // Opens a bank of these sentences as a new record and waits for the first gap.
  void Start(const std::vector<std::string>& sentences, int oneLetter = 0) {
    OpenBank("t.dat", test::TypedBank(sentences));
    d.t.app.rec.OneLetter = oneLetter;
    d.StartDrill();
    d.sound().clear();
  }
  // The cues played since the last look, without the key clicks.
  std::vector<PlayedCue> Outcomes() {
    std::vector<PlayedCue> v;
    for (const PlayedCue& c : d.sound())
      if (!(c == kKey)) v.push_back(c);
    d.sound().clear();
    return v;
  }
};

TEST(SameAnswerTest, OnlyLetterCaseIsForgiven) {
  EXPECT_TRUE(SameAnswer("Apple", "apple"));
  EXPECT_TRUE(SameAnswer("APPLE", "apple"));
  EXPECT_FALSE(SameAnswer("apples", "apple"));
  EXPECT_FALSE(SameAnswer("apple ", "apple"));
  EXPECT_TRUE(SameAnswer("", ""));
  EXPECT_TRUE(SameAnswer(Sj("Ａｂ"), Sj("ａｂ")));
}

// Given the gap word "Tokyo", a small first letter shows as a capital and any
// letter case is right.
TEST_F(TypedDrill, CapitalFirstLetterAndAnyCase) {
  Start({"@Tokyo is big", "@Tokyo is big", "@Tokyo is big"});
  d.Type("t");
  EXPECT_EQ(ques().w2.Caption, "T");
  d.Type("okyo");
  EXPECT_EQ(drill().KeyIn, "Tokyo");
  d.Enter();
  EXPECT_EQ(Outcomes(), (std::vector<PlayedCue>{kRight}));
  d.SettleAnimations();
  d.Type("TOKYO");
  d.Enter();
  d.SettleAnimations();
  d.Type("tOKYO");
  EXPECT_EQ(drill().KeyIn, "TOKYO");
  d.Back();
  d.Back();
  d.Back();
  d.Back();
  d.Type("okyo");
  d.Enter();
  d.SettleAnimations();
  EXPECT_EQ(Outcomes(), (std::vector<PlayedCue>{kNext, kRight, kNext, kRight}));
  for (int q = 0; q < 3; ++q) EXPECT_EQ(d.t.app.rec.OkLevel[q], 1) << q;
}

// Given "don't", the apostrophe must be typed; the wrong answer reveals the
// word in red brackets with the explanation, and the gap stays current.
TEST_F(TypedDrill, ApostropheMustBeTyped) {
  Start({"I @don't know"});
  d.Type("dont");
  d.Enter();
  EXPECT_EQ(Outcomes(), (std::vector<PlayedCue>{kWrong}));
  EXPECT_EQ(drill().BatchNg[0], 1);
  EXPECT_EQ(ques().w3.Caption, "I (don't) know ");
  EXPECT_EQ(ques().w3.FontColor, colors::kRed);
  EXPECT_EQ(ques().lblMes.Caption, Sj("直しです"));
  EXPECT_EQ(ques().lblMes.FontColor, colors::kWhite);
  EXPECT_EQ(ques().pnlMes.Color, quescolors::kReviewStrip);
  EXPECT_EQ(ques().lblAnsAbout.Caption, Sj("説明 0"));
  EXPECT_EQ(drill().WordPos, 1);
  EXPECT_TRUE(ques().tmrNG->Enabled());
  d.SettleAnimations();

  d.Type("don't");
  d.Enter();
  EXPECT_EQ(Outcomes(), (std::vector<PlayedCue>{kRight}));
  EXPECT_EQ(ques().w3.Caption, "I don't know ");
  EXPECT_EQ(ques().w3.FontColor, colors::kBlack);
  EXPECT_EQ(ques().lblAnsAbout.Caption, "");
}

// Given a wrong answer, a wrong correction and a right one, the question
// should count wrong and the answer list keep the first answer of each gap;
// the review asks it again and writes its line anew in red.
TEST_F(TypedDrill, WrongThenRightCorrectionCountsWrong) {
  Start({"I @have @been there"});
  EXPECT_EQ(drill().AnsWord, "have");
  d.Type("hav");
  d.Enter();
  d.SettleAnimations();
  d.Type("haz");
  d.Enter();
  EXPECT_EQ(Outcomes(), (std::vector<PlayedCue>{kWrong, kWrong}));
  EXPECT_EQ(drill().AnsWord, "have");
  EXPECT_EQ(ques().a[0].Caption, " hav");
  d.SettleAnimations();
  d.Type("have");
  d.Enter();
  EXPECT_EQ(ques().w3.Caption, "I have (    ) there ");
  d.SettleAnimations();
  EXPECT_EQ(drill().AnsWord, "been");
  d.Type("been");
  d.Enter();
  d.SettleAnimations();

  EXPECT_EQ(ques().lox[0].Caption, Sj("×"));
  EXPECT_EQ(ques().a[0].Caption, " hav been");
  EXPECT_EQ(d.t.app.rec.OkLevel[0], 0);
  EXPECT_EQ(d.t.app.rec.AnsCount[0], 1);
  EXPECT_EQ(d.t.app.frmMain.NgSum, 1);
  EXPECT_EQ(ques().lblTen.Caption, "0");
  // The review asks it again.
  EXPECT_EQ(drill().Review, 1);
  EXPECT_EQ(ques().lblMes.Caption, Sj("復習です"));
  d.RightQuestion();
  EXPECT_EQ(ques().lox[0].Caption, Sj("○"));
  EXPECT_EQ(ques().a[0].Caption, " have been");  // written again with the review's answers
  EXPECT_EQ(ques().a[0].FontColor, colors::kRed);
  EXPECT_EQ(d.t.app.rec.OkLevel[0], 0);
  EXPECT_EQ(d.t.app.rec.AnsCount[0], 1);
  EXPECT_EQ(d.t.app.frmMain.OkSum, 0);  // a review answer counts for nothing
  EXPECT_EQ(d.t.app.frmMain.NgSum, 1);
}

TEST_F(TypedDrill, ASentenceWithoutGapIsRightAtOnce) {
  Start({"No gap here", "a @b"});
  EXPECT_EQ(drill().BatchPos, 1);
  EXPECT_EQ(drill().AnsWord, "b");
  EXPECT_EQ(ques().lox[0].Caption, Sj("○"));
  EXPECT_TRUE(ques().lox[0].Visible);
  EXPECT_EQ(ques().a[0].Caption, "");
  EXPECT_EQ(d.t.app.rec.OkLevel[0], 1);
  EXPECT_EQ(d.t.app.frmMain.OkSum, 1);
}

TEST_F(TypedDrill, ThirtyCharactersAtMost) {
  Start({"@a"});
  d.Type(std::string(35, 'x'));
  EXPECT_EQ(drill().KeyIn, std::string(30, 'x'));
  EXPECT_EQ(drill().KeyLen, 30);
  EXPECT_EQ(ques().w2.Caption, std::string(30, 'x'));
  d.Back();
  EXPECT_EQ(drill().KeyIn, std::string(29, 'x'));
  d.Type("yz");
  EXPECT_EQ(drill().KeyIn, std::string(29, 'x') + "y");
  d.Delete();
  EXPECT_EQ(drill().KeyIn, "");
  d.Back();  // nothing left to remove
  EXPECT_EQ(drill().KeyLen, 0);
  d.Enter();  // empty is an ordinary wrong answer
  EXPECT_EQ(Outcomes(), (std::vector<PlayedCue>{kWrong}));
}

TEST_F(TypedDrill, BackSpaceAndDeleteRemoveTheGreyHint) {
  Start({"@have it", "@have it"}, 1);
  EXPECT_EQ(ques().w2.Caption, "h---");
  EXPECT_EQ(ques().w2.FontColor, quescolors::kHint);
  d.Back();
  EXPECT_EQ(ques().w2.Caption, "");
  d.Type("have");
  EXPECT_EQ(ques().w2.FontColor, colors::kBlack);
  d.Enter();
  d.SettleAnimations();
  EXPECT_EQ(ques().w2.Caption, "h---");
  EXPECT_EQ(ques().w2.FontColor, quescolors::kHint);
  d.Delete();
  EXPECT_EQ(ques().w2.Caption, "");
}

// Every key-down clicks, Shift and auto-repeat included; only letters and
// seven marks enter the input.
TEST_F(TypedDrill, EveryKeyClicksAndOnlyAnswerCharactersEnter) {
  Start({"@ab"});
  d.Down(vk::kShift);
  d.Down('A');
  d.Press('A');
  d.Down('A');  // held down: repeated
  d.Press('A');
  d.Up('A');
  d.Up(vk::kShift);
  EXPECT_EQ(d.sound(), (std::vector<PlayedCue>(3, kKey)));
  EXPECT_EQ(drill().KeyIn, "AA");
  for (char c : std::string("1 _:@;\t") + "\x82\xA0") d.Press(c);
  EXPECT_EQ(drill().KeyIn, "AA");
  for (char c : std::string("!\"',-.?")) d.Press(c);
  EXPECT_EQ(drill().KeyIn, "AA!\"',-.?");
}

// Characters typed while the right answer is animated begin the next gap's input.
TEST_F(TypedDrill, TypingDuringTheAnimationStartsTheNextAnswer) {
  Start({"@have @been"});
  d.Type("have");
  d.Enter();
  EXPECT_TRUE(ques().tmrOK->Enabled());
  d.Type("be");
  d.SettleAnimations();
  EXPECT_EQ(drill().AnsWord, "been");
  EXPECT_EQ(drill().KeyIn, "be");
  d.Type("en");
  d.Enter();
  EXPECT_EQ(Outcomes(), (std::vector<PlayedCue>{kRight, kRight}));
}

// Given a sentence of 19 words, its set-up fails with an error box and no
// key answers anything until the learner leaves.
TEST_F(TypedDrill, ASentenceTooLongToSplitLeavesNothingToAnswer) {
  std::string tooLong = "@a";
  for (int i = 0; i < 18; ++i) tooLong += " w";
  Start({"I @go", tooLong});
  d.RightQuestion();
  ASSERT_EQ(d.t.dialogs.errors.size(), 1u);
  EXPECT_EQ(drill().BatchPos, 1);
  d.Type("go");
  d.Enter();
  d.Settle();
  EXPECT_EQ(d.t.app.rec.OkLevel[1], -1);
  EXPECT_EQ(ques().a[1].Caption, "");
  EXPECT_EQ(drill().BatchNg[1], 0);
  EXPECT_FALSE(ques().lox[1].Visible);
  d.Esc();
  EXPECT_FALSE(ques().form.Visible);
}

// Given a layout-3 bank, a question of answer mode 2 is asked as typed.
TEST_F(TypedDrill, LayoutThreeModesOtherThanChoiceAreTyped) {
  auto line = [](std::string_view utf8) { return ToCp932(utf8) + "\r\n"; };
  OpenBank("t3.dat", line("") + line("T3 3 2") + line("1") + line("L0") + line("3") + line("A") +
                         line("B") + line("C") + line("0 2") + line("行く") + line("-") +
                         line("I @go") + line("説明") + line("0 1") + line("来る") + line("-") +
                         line("I @come") + line("説明"));
  d.StartDrill();
  EXPECT_EQ(drill().QuesMode, AnswerMode::Typed);
  EXPECT_TRUE(ques().pnlInf.Visible);
  d.RightQuestion();
  EXPECT_EQ(drill().QuesMode, AnswerMode::Typed);
  d.RightQuestion();
  EXPECT_EQ(d.t.app.rec.OkLevel[0], 1);
  EXPECT_EQ(d.t.app.rec.OkLevel[1], 1);
}

// Given "for" begun while the last gap's animation ran and context words
// before the next gap, the letters typed ahead stay the start of the answer.
TEST_F(TypedDrill, LettersTypedAheadCrossContextWords) {
  Start({"@go to the @for end", "@x"});
  d.Type("go");
  d.Enter();
  ASSERT_TRUE(ques().tmrOK->Enabled());
  d.Type("f");
  d.SettleAnimations();
  EXPECT_EQ(drill().AnsWord, "for");
  EXPECT_EQ(drill().KeyIn, "f");
  EXPECT_EQ(ques().w2.Caption, drill().KeyIn);
  d.Type("or");
  d.Enter();
  EXPECT_EQ(Outcomes(), (std::vector<PlayedCue>{kRight, kRight}));
}

}  // namespace
}  // namespace vcq
