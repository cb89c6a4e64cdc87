// Choice questions on small layout-3 banks: what the panels show, which keys
// and clicks pick, how a pick is judged, and the lists the panels cannot
// show as they stand.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "data/Cp932.h"
#include "data/TextUtil.h"
#include "platform/VirtualKeys.h"
#include "tests/support/ChoiceDrill.h"
#include "tests/support/CueTable.h"
#include "tests/support/DrillFixture.h"

namespace vcq {
namespace {

using test::BankQues;
using test::PlayedCue;
using namespace test::cues;

struct ChoiceDrill : test::DrillFixture {
  void Start(const std::vector<BankQues>& questions) {
    OpenBank("c.dat", test::ChoiceBank(questions));
    d.StartDrill();
    d.sound().clear();
  }
  // The panel showing `utf8`, or -1.
  int PanelOf(std::string_view utf8) {
    for (int i = 0; i < drill().ChoiceCnt; ++i)
      if (ques().s[i].Caption == Sj(utf8)) return i;
    return -1;
  }
  std::vector<std::string> Captions() {
    std::vector<std::string> v;
    for (int i = 0; i < drill().ChoiceCnt; ++i) v.push_back(ques().s[i].Caption);
    return v;
  }
};

// Given a sentence with two gaps, both should show as empty brackets, the
// last one's phrase be expected, and the choices fill the first panels,
// shuffled by the time of day although the question order is data order.
TEST_F(ChoiceDrill, StartShowsTheGapsAndFillsThePanels) {
  Start({{0, "looks_after looks_for look_up", "@He @looks_after his sister"}});
  EXPECT_EQ(ques().w3.Caption, "(       ) (       ) his sister ");
  EXPECT_EQ(ques().w3.FontColor, colors::kBlack);
  EXPECT_EQ(drill().AnsWord, "looks after");
  EXPECT_EQ(ques().lblMes.Caption, Sj("答を入れてください"));
  EXPECT_TRUE(ques().pnlSel.Visible && ques().imgMouse.Visible);
  EXPECT_FALSE(ques().pnlInf.Visible);
  ASSERT_EQ(drill().ChoiceCnt, 3);
  EXPECT_EQ(drill().ChoiceOrd, ShuffleChoices(3, d.t.timeOfDay.time));
  const std::vector<std::string> list{"looks after", "looks for", "look up"};
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(ques().s[i].Caption, list[drill().ChoiceOrd[i]]);
    EXPECT_TRUE(ques().s[i].Visible && ques().s[i].Enabled);
    EXPECT_EQ(ques().s[i].FontSize, 16);  // 12 points
  }
  for (int i = 3; i < 9; ++i) EXPECT_FALSE(ques().s[i].Visible || ques().s[i].Enabled) << i;
}

// Given five choices, the keys 6 to 9 should click but pick nothing, and a
// held digit should light its panel until any key is released.
TEST_F(ChoiceDrill, DigitsPastTheChoicesPickNothingAndReleaseUnlights) {
  Start({{0, "a b c d e", "@c"}});
  ASSERT_EQ(drill().ChoiceCnt, 5);
  for (char k : {'6', '7', '8', '9'}) d.Stroke(k, k);
  EXPECT_EQ(d.sound(), std::vector<PlayedCue>(4, kKey));
  EXPECT_FALSE(ques().a[0].Visible);
  EXPECT_EQ(drill().BatchNg[0], 0);
  EXPECT_FALSE(ques().tmrOK->Enabled() || ques().tmrNG->Enabled());

  const int right = test::RightPanel(drill());
  const char key = static_cast<char>('1' + right);
  d.Down(key);
  d.Press(key);
  EXPECT_EQ(ques().s[right].Color, quescolors::kKeyLit);
  d.Up(vk::kShift);  // any key released
  for (const Control& s : ques().s) EXPECT_EQ(s.Color, quescolors::kPaper);
  EXPECT_EQ(ques().a[0].Caption, "c");
}

// Given nine choices, the key 9 should pick the ninth panel.
TEST_F(ChoiceDrill, KeyNinePicksTheNinthPanel) {
  Start({{0, "c1 c2 c3 c4 c5 c6 c7 c8 c9", "@c5"}});
  ASSERT_EQ(drill().ChoiceCnt, 9);
  for (const Control& s : ques().s) EXPECT_TRUE(s.Visible && s.Enabled);
  d.Stroke('9', '9');
  EXPECT_EQ(ques().w2.Caption, drill().ChoiceItem[8]);
  EXPECT_EQ(ques().a[0].Caption, drill().ChoiceItem[8]);
  EXPECT_EQ(d.sound().back(), drill().ChoiceItem[8] == "c5" ? kRight : kWrong);
}

// Given choices that differ from the answer only in letter case, in the
// other double-byte characters or in a trail byte that looks like a capital
// letter, only letter case should be forgiven.
TEST_F(ChoiceDrill, OnlyLetterCaseIsForgivenInPicks) {
  Start({{0, "Looked_After looked_for", "I @looked_after it"},
         {0, "ア ヂ", "@ヂ です"},
         {0, "ＡＢ ダ_ア", "@ａｂ"},
         {0, "就 渋", "@渋"}});
  test::PickKey(d, PanelOf("Looked After"));
  EXPECT_EQ(d.sound().back(), kRight);
  d.Settle();

  // ア is 83 41 and ヂ 83 61: lower-casing the trail byte would make them equal.
  test::PickKey(d, PanelOf("ア"));
  EXPECT_EQ(d.sound().back(), kWrong);
  test::PickKey(d, PanelOf("ヂ"));
  EXPECT_EQ(d.sound().back(), kRight);
  d.Settle();

  // The trail byte of ダ is "_": it stays, while the underscore after it is a blank.
  EXPECT_GE(PanelOf("ダ ア"), 0);
  test::PickKey(d, PanelOf("ＡＢ"));
  EXPECT_EQ(d.sound().back(), kRight);
  d.Settle();

  test::PickKey(d, PanelOf("就"));
  EXPECT_EQ(d.sound().back(), kWrong);
  test::PickKey(d, PanelOf("渋"));
  EXPECT_EQ(d.sound().back(), kRight);
  d.Settle();
  std::vector<std::string> marks;
  for (int i = 0; i < 4; ++i) marks.push_back(ques().lox[i].Caption);
  EXPECT_EQ(marks, (std::vector<std::string>{Sj("○"), Sj("×"), Sj("○"), Sj("×")}));
}

// Given choices of 15, 16 and over 60 bytes, the type should drop to 10
// points from 16 bytes and the long ones be cut to 60 bytes without splitting
// a Japanese character.
TEST_F(ChoiceDrill, LengthsSetTheTypeAndTheCut) {
  const std::string b15(15, 'b'), b16(16, 'b'), b61(61, 'b');
  std::string kana = "a";
  for (int i = 0; i < 30; ++i) kana += "あ";  // 61 bytes in CP932
  Start({{0, b15 + " " + b16 + " " + b61 + " " + kana, "@" + b15}});
  ASSERT_EQ(drill().ChoiceCnt, 4);
  std::set<std::pair<std::size_t, int>> seen;  // caption bytes, font pixels
  for (int i = 0; i < 4; ++i) seen.insert({ques().s[i].Caption.size(), ques().s[i].FontSize});
  EXPECT_EQ(seen, (std::set<std::pair<std::size_t, int>>{{15, 16}, {16, 13}, {60, 13}, {59, 13}}));
  EXPECT_GE(PanelOf(std::string(60, 'b')), 0);
}

// Given a choice list ending in a blank, an empty last choice should show
// and be judged like any other.
TEST_F(ChoiceDrill, TrailingBlankGivesAnEmptyChoice) {
  Start({{0, "yes no ", "@yes"}});
  ASSERT_EQ(drill().ChoiceCnt, 3);
  const int empty = PanelOf("");
  ASSERT_GE(empty, 0);
  EXPECT_TRUE(ques().s[empty].Visible && ques().s[empty].Enabled);
  test::PickKey(d, empty);
  EXPECT_EQ(d.sound().back(), kWrong);
  EXPECT_TRUE(ques().a[0].Visible);
  EXPECT_EQ(ques().a[0].Caption, "");
  EXPECT_EQ(drill().BatchNg[0], 1);
}

// Given ten choices, nine should show and the expected one always among
// them: where the shuffle leaves it off, it takes a panel drawn from the
// same seed. Given eighteen, the expected last one is shown too.
TEST_F(ChoiceDrill, OverNineChoicesTheAnswerIsAlwaysShown) {
  const std::string ten = "c0 c1 c2 c3 c4 c5 c6 c7 c8 c9";
  std::string eighteen = ten;
  for (int i = 10; i < 18; ++i) eighteen += " c" + std::to_string(i);
  std::vector<BankQues> bank;
  for (int i = 0; i < 10; ++i) bank.push_back({0, ten, "@c" + std::to_string(i)});
  bank.push_back({0, eighteen, "@c17"});
  Start(bank);

  const ChoiceOrder shuffle = ShuffleChoices(10, d.t.timeOfDay.time);
  const int place = static_cast<int>(Lcg(Lcg::SeedFrom(d.t.timeOfDay.time)).Draw(9));
  for (int q = 0; q < 10; ++q) {
    ASSERT_EQ(drill().BatchPos, q);
    ASSERT_EQ(drill().ChoiceCnt, 9);
    const std::vector<std::string> shown = Captions();
    EXPECT_EQ(std::set<std::string>(shown.begin(), shown.end()).size(), 9u) << q;
    EXPECT_GE(test::RightPanel(drill()), 0) << q;
    for (int i = 0; i < 9; ++i) {
      // The question whose answer the shuffle leaves off has it at `place`.
      const int item = q == shuffle[9] && i == place ? q : shuffle[i];
      EXPECT_EQ(shown[i], "c" + std::to_string(item)) << q << " " << i;
    }
    test::PickRight(d);
  }
  EXPECT_EQ(ques().lblTen.Caption, "100");

  // Only the first sixteen are shuffled; the expected seventeenth is brought in.
  d.Settle();
  ASSERT_EQ(drill().Batch[0], 10);
  ASSERT_EQ(drill().ChoiceCnt, 9);
  EXPECT_EQ(ques().s[place].Caption, "c17");
  EXPECT_EQ(drill().ChoiceOrd[place], 17);
}

// Given a choice list of nineteen words, the question should stop with a
// range error, and no digit should then pick from the question before.
TEST_F(ChoiceDrill, NineteenChoicesStopWithARangeError) {
  std::string nineteen = "x";
  for (int i = 1; i < 19; ++i) nineteen += " x";
  Start({{0, "a b", "@a"}, {0, nineteen, "@x"}});
  test::PickKey(d, PanelOf("a"));
  d.SettleAnimations();
  ASSERT_EQ(d.t.dialogs.errors.size(), 1u);
  EXPECT_EQ(drill().BatchPos, 1);
  d.sound().clear();
  for (char k = '1'; k <= '9'; ++k) d.Stroke(k, k);
  EXPECT_TRUE(d.sound().empty());
  EXPECT_FALSE(ques().a[1].Visible);
  EXPECT_EQ(drill().BatchNg[1], 0);
  d.Esc();
  EXPECT_FALSE(ques().form.Visible);
}

// Given the mouse on the panels: button down lights a shown panel, button up
// puts it back, a click picks with the key cue; a hidden panel reacts to
// nothing.
TEST_F(ChoiceDrill, MouseLightsAndPicks) {
  Start({{0, "up down", "@up"}});
  ques().s0MouseDown(1);
  EXPECT_EQ(ques().s[1].Color, quescolors::kMouseLit);
  ques().s0MouseUp(1);
  EXPECT_EQ(ques().s[1].Color, quescolors::kPaper);
  ques().s0MouseDown(5);
  ques().s0Click(5);
  EXPECT_EQ(ques().s[5].Color, quescolors::kPaper);
  EXPECT_TRUE(d.sound().empty());

  const int right = PanelOf("up");
  ques().s0MouseDown(right);
  d.t.app.Guard([&] { ques().s0Click(right); });
  EXPECT_EQ(d.sound(), (std::vector<PlayedCue>{kKey, kRight}));
  EXPECT_FALSE(ques().s[right].Visible);
  ques().s0MouseUp(right);  // after the click, on the panel now hidden
  EXPECT_EQ(ques().s[right].Color, quescolors::kPaper);
  EXPECT_EQ(ques().a[0].Caption, "up");
}

// Given a whole batch picked right and the next one being announced, and
// again after the drill has ended, digit keys and clicks should change
// nothing, not even on a panel left shown.
TEST_F(ChoiceDrill, KeysAndClicksOutsideABatchChangeNothing) {
  Start({{0, "a b", "@a"}, {0, "c d", "@d"}});
  const auto snapshot = [&] {
    std::vector<std::string> s;
    for (const Control& c : ques().a) s.push_back(c.Caption + (c.Visible ? "+" : "-"));
    for (const Control& c : ques().lox) s.push_back(c.Caption + (c.Visible ? "+" : "-"));
    s.push_back(ques().w2.Caption + ques().w3.Caption);
    return s;
  };
  const auto idle = [&] {
    const auto before = snapshot();
    const Record rec = d.t.app.rec;
    d.sound().clear();
    ques().s[0].Visible = ques().s[0].Enabled = true;
    for (char k = '1'; k <= '9'; ++k) d.Stroke(k, k);
    for (int tag = 0; tag < 9; ++tag) d.t.app.Guard([&] { ques().s0Click(tag); });
    EXPECT_EQ(snapshot(), before);
    EXPECT_EQ(d.t.app.rec.OkLevel, rec.OkLevel);
    EXPECT_EQ(d.t.app.rec.AnsCount, rec.AnsCount);
    EXPECT_TRUE(d.sound().empty());
    EXPECT_TRUE(d.t.dialogs.errors.empty());
    EXPECT_FALSE(ques().tmrOK->Enabled() || ques().tmrNG->Enabled());
  };
  test::PickRight(d);
  test::PickRight(d);
  ASSERT_TRUE(ques().tmrStart->Enabled());
  ASSERT_EQ(drill().BatchPos, 2);
  idle();

  ques().HideChoices();
  for (d.Settle(); !d.Ended(); d.Settle()) test::PickRight(d);
  idle();
}

// Given a typed question with a long flash answered before the flash ends,
// the flash should not redraw the answer line of the choice question after it.
TEST_F(ChoiceDrill, FlashOfATypedQuestionLeavesTheChoiceLine) {
  OpenBank("c.dat", test::ChoiceBank({{1, "-", "I @go"}, {0, "a b", "@a it"}}));
  d.t.app.rec.FlashTime = 20;
  d.StartDrill();
  d.Type("go");
  d.Enter();
  d.SettleAnimations();
  ASSERT_EQ(drill().QuesMode, AnswerMode::Choice);
  EXPECT_EQ(ques().w3.Caption, "(       ) it ");
  d.t.clock.Advance(9000);
  EXPECT_EQ(ques().w3.Caption, "(       ) it ");
}

}  // namespace
}  // namespace vcq
