// The English sentence read aloud when it has been answered right: spoken as
// the right-answer animation starts, waited for before the next question,
// cut short by any key, and said again with F8.
#pragma once

#include <string>
#include <string_view>

#include "drill/DrillState.h"
#include "platform/Ports.h"
#include "platform/Speech.h"

namespace vcq {

struct ReadAloud {
  SpeechPort* voice = nullptr;    // none: nothing is ever spoken
  SettingsPort* store = nullptr;  // none: the setting lasts for the run
  bool on = false;                // the learner's setting
  bool failed = false;            // the voice failed and the learner was told
  std::string last;               // the sentence of the question just answered
  bool keyTaken = false;          // the key going down cut the voice
};

// The answer sentence as it is said: the gaps filled, "@" and "_" gone, and
// anything but ASCII dropped, which an English voice would spell out.
std::string SpokenSentence(std::string_view ansText);

// True once no gap is left after the current word: the sentence is whole.
bool LastGapDone(const DrillState& d);

// The right answer's sentence, when the setting is on. A failing voice is
// told once in the error box.
void SpeakAnswer(ReadAloud& r, DialogPort& dialogs, const DrillState& d);
// A key going down on the drill screen while the voice speaks only cuts it
// short, so that a key pressed to skip it answers nothing (Esc cuts it and
// still leaves the drill); F8, with the
// setting on, says the last sentence again. True when the key was taken;
// SpeechTakesPress then takes its character too.
bool SpeechTakesKey(ReadAloud& r, DialogPort& dialogs, int key);
bool SpeechTakesPress(const ReadAloud& r);
// True while the next question must wait for the voice.
bool SpeechHolds(const ReadAloud& r);
// Leaving the drill or settling the answer: silence at once. True when the
// voice was speaking.
bool CutSpeech(ReadAloud& r);

// The setting as the options window changes it; `keep` also writes it to
// the settings file.
void SetReadAloud(ReadAloud& r, bool on, bool keep);

}  // namespace vcq
