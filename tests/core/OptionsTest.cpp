#include <gtest/gtest.h>

#include <numeric>

#include "data/Cp932.h"
#include "data/TextUtil.h"
#include "platform/VirtualKeys.h"
#include "screens/Options.h"
#include "tests/support/CueTable.h"
#include "tests/support/MemoryRecord.h"
#include "tests/support/TestProgram.h"

namespace vcq {
namespace {

using test::OpenInMemory;
using test::PlayedCue;
using test::cues::kRefresh;
constexpr int kQuestions = 40;

struct OptionsWindow : ::testing::Test {
  // A record with FlashTime 7 and random order; F6 opens the window.
  void Open(std::int32_t orderMode = 1) {
    t.StartUp();
    OpenInMemory(t, {kQuestions});
    t.app.rec.FlashTime = 7;
    t.app.rec.OrderMode = orderMode;
    t.app.rec.OneLetter = 1;
    std::iota(t.app.drill.QuesOrder.begin(), t.app.drill.QuesOrder.end(), 0);
    t.sound.played.clear();
    t.Key(vk::kF6);
  }
  void Do(const std::function<void()>& f) { t.app.Guard(f); }
  std::vector<std::int32_t> Order() const {
    return {t.app.drill.QuesOrder.begin(), t.app.drill.QuesOrder.begin() + kQuestions};
  }
  std::vector<std::int32_t> Perm(const TimeOfDay& at) const {
    const RandPerm p = MakePerm(kQuestions, at);
    return {p.begin(), p.begin() + kQuestions};
  }

  test::TestProgram t;
  TfrmOption& opt = t.app.frmOption;
};

TEST_F(OptionsWindow, OpensWithTheRecordsValues) {
  Open();
  EXPECT_TRUE(opt.form.Visible);
  EXPECT_EQ(opt.form.Caption, Sj("オプション"));
  EXPECT_EQ(opt.pnlInf.Caption, "7");
  EXPECT_EQ(opt.RadioGroup1.ItemIndex, 1);
  EXPECT_EQ(opt.RadioGroup2.ItemIndex, 1);
  EXPECT_EQ(t.sound.played, (std::vector<PlayedCue>{{"button.wav", CueMode::Async}}));
}

// The flash time steps by one between 0 and 20, by click, "+"/"-" or the page keys.
TEST_F(OptionsWindow, FlashTimeStaysBetweenZeroAndTwenty) {
  Open();
  for (int i = 0; i < 21; ++i) Do([&] { opt.FormKeyPress('+'); });
  EXPECT_EQ(t.app.rec.FlashTime, 20);
  EXPECT_EQ(opt.pnlInf.Caption, "20");
  Do([&] { opt.FormKeyDown(vk::kPrior); });
  Do([&] { opt.pnlUpClick(); });
  EXPECT_EQ(t.app.rec.FlashTime, 20);
  Do([&] { opt.FormKeyDown(vk::kNext); });
  EXPECT_EQ(t.app.rec.FlashTime, 19);
  for (int i = 0; i < 25; ++i) Do([&] { opt.FormKeyPress('-'); });
  Do([&] { opt.pnlDownClick(); });
  EXPECT_EQ(t.app.rec.FlashTime, 0);
  EXPECT_EQ(opt.pnlInf.Caption, "0");
  Do([&] { opt.FormKeyPress('='); });
  EXPECT_EQ(t.app.rec.FlashTime, 0);
  EXPECT_EQ(t.sound.played.size(), 1u);  // only the click of F6
}

// Given a hand-edited record's flash time of 25 or -3, one step brings it back
// inside the bound it crosses.
TEST_F(OptionsWindow, AStepFromOutsideTheRangeLandsInside) {
  Open();
  t.app.rec.FlashTime = 25;
  Do([&] { opt.FormKeyPress('+'); });
  EXPECT_EQ(t.app.rec.FlashTime, 20);
  t.app.rec.FlashTime = -3;
  Do([&] { opt.FormKeyPress('-'); });
  EXPECT_EQ(t.app.rec.FlashTime, 0);
  EXPECT_EQ(opt.pnlInf.Caption, "0");
}

// OK keeps the changes and draws a fresh random order from the time of day.
TEST_F(OptionsWindow, OkRebuildsTheOrder) {
  Open(0);
  Do([&] { opt.RadioGroup2Click(1); });
  Do([&] { opt.RadioGroup1Click(0); });
  EXPECT_EQ(t.app.rec.OrderMode, 1);  // at once
  EXPECT_EQ(t.app.rec.OneLetter, 0);
  t.timeOfDay.time = {1, 2, 3, 4};
  Do([&] { opt.FormKeyDown(vk::kReturn); });
  EXPECT_FALSE(opt.form.Visible);
  EXPECT_EQ(Order(), Perm({1, 2, 3, 4}));
  EXPECT_EQ(t.app.rec.OrderMode, 1);
  EXPECT_EQ(t.app.rec.OneLetter, 0);
  EXPECT_EQ(t.sound.played.back(), kRefresh);
}

// Cancel puts the three values back and still rebuilds: a new random order
// at another moment.
TEST_F(OptionsWindow, CancelRestoresAndStillRebuilds) {
  Open(1);
  t.timeOfDay.time = {1, 2, 3, 4};
  Do([&] { opt.BitBtn1Click(); });
  const auto first = Order();
  Do([&] { t.app.frmMain.cmdOption(); });
  Do([&] { opt.RadioGroup2Click(0); });
  Do([&] { opt.RadioGroup1Click(0); });
  Do([&] { opt.pnlUpClick(); });
  t.timeOfDay.time = {5, 6, 7, 8};
  t.sound.played.clear();
  Do([&] { opt.FormKeyDown(vk::kEscape); });
  EXPECT_FALSE(opt.form.Visible);
  EXPECT_EQ(t.app.rec.OrderMode, 1);
  EXPECT_EQ(t.app.rec.OneLetter, 1);
  EXPECT_EQ(t.app.rec.FlashTime, 7);
  EXPECT_EQ(Order(), Perm({5, 6, 7, 8}));
  EXPECT_NE(Order(), first);
  EXPECT_EQ(t.sound.played, std::vector<PlayedCue>{kRefresh});
}

// Random order chosen, then Cancel: back to data order, rebuilt in data order.
TEST_F(OptionsWindow, CancelBackToDataOrder) {
  Open(0);
  t.app.drill.QuesOrder[0] = 5;
  Do([&] { opt.RadioGroup2Click(1); });
  Do([&] { opt.BitBtn2Click(); });
  EXPECT_EQ(t.app.rec.OrderMode, 0);
  EXPECT_EQ(t.app.drill.QuesOrder[0], 0);
}

// The title bar's close box keeps the changes and rebuilds nothing.
TEST_F(OptionsWindow, TitleBarCloseKeepsChangesWithoutARebuild) {
  Open(0);
  Do([&] { opt.RadioGroup2Click(1); });
  Do([&] { opt.FormKeyPress('+'); });
  Do([&] { opt.FormClose(); });
  EXPECT_FALSE(opt.form.Visible);
  EXPECT_EQ(t.app.rec.OrderMode, 1);
  EXPECT_EQ(t.app.rec.FlashTime, 8);
  std::vector<std::int32_t> identity(kQuestions);
  std::iota(identity.begin(), identity.end(), 0);
  EXPECT_EQ(Order(), identity);
  EXPECT_EQ(t.sound.played.size(), 1u);
}

// The settings file is written when the read-aloud setting changes, not on
// every OK: an OK or close box that changed nothing, or a change taken back
// before OK, writes nothing; a real change is written once.
TEST_F(OptionsWindow, TheSettingsFileIsWrittenOnlyWhenTheSettingChanges) {
  test::MemorySettings settings;
  t.app.readAloud.store = &settings;
  Open();
  Do([&] { opt.BitBtn1Click(); });
  t.Key(vk::kF6);
  Do([&] { opt.chkSpeakClick(); });
  Do([&] { opt.chkSpeakClick(); });
  Do([&] { opt.FormClose(); });
  EXPECT_EQ(settings.writes, 0);

  t.Key(vk::kF6);
  Do([&] { opt.chkSpeakClick(); });
  Do([&] { opt.BitBtn1Click(); });
  EXPECT_EQ(settings.writes, 1);
  EXPECT_TRUE(settings.readAloud);
  t.Key(vk::kF6);
  Do([&] { opt.BitBtn1Click(); });
  EXPECT_EQ(settings.writes, 1);
}

}  // namespace
}  // namespace vcq
