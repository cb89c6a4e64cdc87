// The voice that reads the English aloud: espeak-ng's samples played on the
// sound's own voice channel, beside the cues.
#pragma once

#include "platform/Speech.h"

namespace vcq::ui {

class SdlSound;

class EspeakSpeech : public SpeechPort {
 public:
  explicit EspeakSpeech(SdlSound& sound) : sound_(sound) {}
  void Speak(std::string_view text) override;
  bool Speaking() override;
  void StopSpeaking() override;

 private:
  SdlSound& sound_;
  bool started_ = false;  // nothing of SDL is touched before the first sentence
};

}  // namespace vcq::ui
