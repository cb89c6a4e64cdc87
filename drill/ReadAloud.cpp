#include "drill/ReadAloud.h"

#include "data/Cp932.h"
#include "data/TextUtil.h"
#include "drill/Checked.h"
#include "platform/VirtualKeys.h"

namespace vcq {

namespace {

void Say(ReadAloud& r, DialogPort& dialogs, const std::string& text) {
  if (!r.on || !r.voice || text.empty()) return;
  try {
    r.voice->Speak(text);
  } catch (const SpeechError& e) {
    // Said once; the drill goes on without a voice.
    if (r.failed) return;
    r.failed = true;
    dialogs.ShowError(std::string("英文を読み上げられません: ") + e.what());
  }
}

}  // namespace

std::string SpokenSentence(std::string_view ansText) {
  std::string out;
  bool blank = true;  // no blank at the start, none doubled
  for (std::size_t i = 0; i < ansText.size();) {
    const std::size_t n = CharLen(ansText, i);
    const char c = ansText[i];
    const bool space = n == 1 && (c == ' ' || c == '_' || c == '\t');
    const bool mark = n == 1 && c == '@' && blank;  // a gap's mark, at a word's start
    if (space) {
      if (!blank) out += ' ';
      blank = true;
    } else if (n == 1 && static_cast<unsigned char>(c) >= 0x20 &&
               static_cast<unsigned char>(c) < 0x7F && !mark) {
      out += c;
      blank = false;
    }
    i += n;
  }
  if (!out.empty() && out.back() == ' ') out.pop_back();
  return out;
}

void SpeakAnswer(ReadAloud& r, DialogPort& dialogs, const DrillState& d) {
  r.last = SpokenSentence(d.AnsText);
  Say(r, dialogs, r.last);
}

bool LastGapDone(const DrillState& d) {
  for (std::int32_t i = d.WordPos; i < d.WordCnt; ++i)
    if (FirstIs(At(d.Words.Words, i, "語"), "@")) return false;
  return true;
}

bool SpeechTakesKey(ReadAloud& r, DialogPort& dialogs, int key) {
  r.keyTaken = false;
  if (r.on && key == vk::kF8) {
    Say(r, dialogs, r.last);
    r.keyTaken = true;
  } else if (CutSpeech(r)) {
    // Esc still leaves: the answer counts all the same.
    r.keyTaken = key != vk::kEscape;
  }
  return r.keyTaken;
}

bool SpeechTakesPress(const ReadAloud& r) {
  return r.keyTaken;
}

bool SpeechHolds(const ReadAloud& r) {
  return r.on && r.voice && !r.failed && r.voice->Speaking();
}

bool CutSpeech(ReadAloud& r) {
  const bool speaking = SpeechHolds(r);
  if (r.voice) r.voice->StopSpeaking();
  return speaking;
}

void SetReadAloud(ReadAloud& r, bool on, bool keep) {
  r.on = on;
  if (!on) CutSpeech(r);
  if (keep && r.store) r.store->SetReadAloud(on);
}

}  // namespace vcq
