#include "drill/ReadAloud.h"

#include "app/Program.h"
#include "data/Cp932.h"
#include "data/TextUtil.h"
#include "drill/Checked.h"
#include "platform/VirtualKeys.h"

namespace vcq {

namespace {

void Say(Program& app, const std::string& text) {
  ReadAloud& r = app.readAloud;
  if (!r.on || !r.voice || text.empty()) return;
  try {
    r.voice->Speak(text);
  } catch (const SpeechError& e) {
    // Said once; the drill goes on without a voice.
    if (r.failed) return;
    r.failed = true;
    app.ports.dialogs.ShowError(std::string("英文を読み上げられません: ") + e.what());
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

void SpeakAnswer(Program& app) {
  app.readAloud.last = SpokenSentence(app.drill.AnsText);
  Say(app, app.readAloud.last);
}

bool LastGapDone(const DrillState& d) {
  for (std::int32_t i = d.WordPos; i < d.WordCnt; ++i)
    if (FirstIs(At(d.Words.Words, i, "語"), "@")) return false;
  return true;
}

bool SpeechTakesKey(Program& app, int key) {
  ReadAloud& r = app.readAloud;
  r.keyTaken = false;
  if (r.on && key == vk::kF8) {
    Say(app, r.last);
    r.keyTaken = true;
  } else if (CutSpeech(app)) {
    // Esc still leaves: the answer counts all the same.
    r.keyTaken = key != vk::kEscape;
  }
  return r.keyTaken;
}

bool SpeechTakesPress(Program& app) {
  return app.readAloud.keyTaken;
}

bool SpeechHolds(Program& app) {
  const ReadAloud& r = app.readAloud;
  return r.on && r.voice && !r.failed && r.voice->Speaking();
}

bool CutSpeech(Program& app) {
  const bool speaking = SpeechHolds(app);
  if (app.readAloud.voice) app.readAloud.voice->StopSpeaking();
  return speaking;
}

void SetReadAloud(Program& app, bool on, bool keep) {
  ReadAloud& r = app.readAloud;
  r.on = on;
  if (!on) CutSpeech(app);
  if (keep && r.store) r.store->SetReadAloud(on);
}

}  // namespace vcq
