// The finished sentence read aloud: when it is spoken, how the drill waits
// for it, and the keys that cut it short or ask for it again.
#include <gtest/gtest.h>

#include <algorithm>

#include "drill/ReadAloud.h"
#include "platform/VirtualKeys.h"
#include "tests/support/ChoiceDrill.h"
#include "tests/support/CueTable.h"
#include "tests/support/DrillFixture.h"

namespace vcq {
namespace {

using test::PlayedCue;
using namespace test::cues;

struct ReadAloudDrill : test::DrillFixture {
  explicit ReadAloudDrill(const char* bank = "eigo1.dat") {
    OpenSample(bank);
    d.t.app.readAloud.voice = &voice;
    d.t.app.readAloud.on = true;
    d.StartDrill();
  }
  // Every gap but the last answered right; the last one typed, not entered.
  void TypeAllButEnter() {
    const DrillState& s = drill();
    int gaps = 0;
    for (int i = s.WordPos; i < s.WordCnt; ++i) gaps += s.Words.Words[i].starts_with('@');
    for (int i = 1; i < gaps; ++i) d.Right();
    d.Type(s.AnsWord);
  }

  test::FakeSpeech voice{d.t.clock, d.t.sound};
};

// Given the setting on, the last gap right should speak the whole sentence
// right after the right cue, and the next question should come only once the
// voice has ended, not after the 0.7 s animation alone.
TEST_F(ReadAloudDrill, LastGapSpeaksAndTheNextQuestionWaitsForTheVoice) {
  const std::string sentence = SpokenSentence(drill().AnsText);
  EXPECT_EQ(sentence, "I have a lot of homework today.");
  TypeAllButEnter();
  EXPECT_TRUE(voice.spoken.empty());
  d.t.sound.played.clear();
  const long long start = d.t.clock.Now();
  d.Enter();
  ASSERT_EQ(voice.spoken.size(), 1u);
  EXPECT_EQ(voice.spoken[0].text, sentence);
  // The typed key's click and the right cue, then the voice.
  ASSERT_EQ(voice.spoken[0].cuesBefore, 2u);
  EXPECT_EQ(d.t.sound.played[1], kRight);

  d.t.clock.Advance(1900);
  EXPECT_EQ(drill().BatchPos, 0);
  EXPECT_EQ(std::count(d.t.sound.played.begin(), d.t.sound.played.end(), kNext), 0);
  d.t.clock.Advance(200);
  EXPECT_EQ(drill().BatchPos, 1);
  EXPECT_EQ(d.t.sound.played.back(), kNext);
  EXPECT_LE(d.t.clock.Now() - start, 2100);
}

// A key while the voice speaks only cuts it short: it types nothing, clicks
// nothing, and the next question follows at the next tick. F8 then says the
// answered sentence again; Esc cuts that and still leaves.
TEST_F(ReadAloudDrill, KeysCutTheVoiceAndF8SaysItAgain) {
  const std::string sentence = SpokenSentence(drill().AnsText);
  TypeAllButEnter();
  d.Enter();
  d.t.clock.Advance(1000);
  const auto cues = d.t.sound.played.size();
  d.Stroke('Z', 'z');
  EXPECT_FALSE(voice.Speaking());
  EXPECT_EQ(d.t.sound.played.size(), cues);
  EXPECT_TRUE(drill().KeyIn.empty());
  d.t.clock.Advance(100);
  EXPECT_EQ(drill().BatchPos, 1);
  EXPECT_EQ(drill().BatchNg[0], 0);

  d.Stroke(vk::kF8, 0);
  ASSERT_EQ(voice.spoken.size(), 2u);
  EXPECT_EQ(voice.spoken[1].text, sentence);
  EXPECT_TRUE(voice.Speaking());
  d.Esc();
  EXPECT_FALSE(voice.Speaking());
  EXPECT_FALSE(d.t.app.frmQues.form.Visible);
}

// With the setting off nothing is spoken, F8 is a key like any other and the
// next question comes 0.7 s after the right answer, as always.
TEST_F(ReadAloudDrill, OffSpeaksNothingAndKeepsTheTiming) {
  d.t.app.readAloud.on = false;
  TypeAllButEnter();
  d.Enter();
  d.t.clock.Advance(700);
  EXPECT_EQ(drill().BatchPos, 1);
  d.Stroke(vk::kF8, 0);
  EXPECT_TRUE(voice.spoken.empty());
  EXPECT_EQ(d.t.sound.played.back(), kKey);
}

// A voice that cannot speak is reported once; the drill goes on at its
// usual pace and later sentences fail silently.
TEST_F(ReadAloudDrill, AFailingVoiceIsReportedOnceAndTheDrillGoesOn) {
  voice.failure = "no data";
  d.RightQuestion();
  EXPECT_EQ(drill().BatchPos, 1);
  d.RightQuestion();
  EXPECT_EQ(drill().BatchPos, 2);
  ASSERT_EQ(d.t.dialogs.errors.size(), 1u);
  EXPECT_NE(d.t.dialogs.errors[0].find("no data"), std::string::npos);
}

struct ReadAloudChoices : ReadAloudDrill {
  ReadAloudChoices() : ReadAloudDrill("eigo3.dat") {}
};

// A right pick speaks the sentence with the picked phrase in its gap; a
// wrong pick says nothing.
TEST_F(ReadAloudChoices, RightPickSpeaksTheWholeSentence) {
  ASSERT_EQ(drill().QuesMode, AnswerMode::Choice);
  const std::string sentence = SpokenSentence(drill().AnsText);
  test::PickWrong(d);
  EXPECT_TRUE(voice.spoken.empty());
  test::PickRight(d);
  ASSERT_EQ(voice.spoken.size(), 1u);
  EXPECT_EQ(voice.spoken[0].text, sentence);
  EXPECT_EQ(sentence.find_first_of("@_"), std::string::npos);
}

// The marks go, the words stay: a gap's "@", "_" joining a phrase, doubled
// blanks and anything not ASCII.
TEST(SpokenSentence, DropsTheMarksAndKeepsTheWords) {
  EXPECT_EQ(SpokenSentence("I @have a lot_of  homework today. "),
            "I have a lot of homework today.");
  EXPECT_EQ(SpokenSentence("@Nice_to_meet you."), "Nice to meet you.");
  EXPECT_EQ(SpokenSentence("e-mail@home \x82\xa0 ok"), "e-mail@home ok");
}

}  // namespace
}  // namespace vcq
