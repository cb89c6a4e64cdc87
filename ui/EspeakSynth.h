// English speech from libespeak-ng, synthesized into a buffer. The library is
// loaded with dlopen on the first sentence, so that a learner who never turns
// reading aloud on never loads it, and the first window never waits for it.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

namespace vcq::ui {

struct Pcm {
  std::vector<std::int16_t> samples;  // mono
  int rate = 0;                       // Hz
  double Seconds() const { return rate ? static_cast<double>(samples.size()) / rate : 0; }
};

// An American English voice, a little slower than espeak-ng's 175 words a
// minute: the learner follows the words. Throws SpeechError (in Japanese,
// for the error box) when the library or its data is missing or fails; the
// failure is kept and thrown again on every later call.
Pcm SynthesizeEnglish(std::string_view ascii);

}  // namespace vcq::ui
