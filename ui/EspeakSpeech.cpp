#include "ui/EspeakSpeech.h"

#include "ui/EspeakSynth.h"
#include "ui/SdlSound.h"

namespace vcq::ui {

void EspeakSpeech::Speak(std::string_view text) {
  const Pcm pcm = SynthesizeEnglish(text);
  started_ = true;
  sound_.PlayVoice(pcm.samples, pcm.rate);
}

bool EspeakSpeech::Speaking() {
  return started_ && sound_.VoicePlaying();
}

void EspeakSpeech::StopSpeaking() {
  if (started_) sound_.StopVoice();
}

}  // namespace vcq::ui
