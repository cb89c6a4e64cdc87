// Reading the finished sentence aloud, and the learner's own settings file
// that says whether to. Both are optional: a program without them is silent.
#pragma once

#include <stdexcept>
#include <string_view>

namespace vcq {

// Why no voice can speak: the library or its data is missing or broken.
class SpeechError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class SpeechPort {
 public:
  virtual ~SpeechPort() = default;
  // Cuts off what is being said and starts `text` (plain ASCII). Returns at
  // once; throws SpeechError when no voice could be made.
  virtual void Speak(std::string_view text) = 0;
  virtual bool Speaking() = 0;
  virtual void StopSpeaking() = 0;
};

// The learner's settings, kept apart from the record: a record is shared
// with other copies of the program, which know nothing of these.
class SettingsPort {
 public:
  virtual ~SettingsPort() = default;
  virtual bool ReadAloud() = 0;
  virtual void SetReadAloud(bool on) = 0;
};

}  // namespace vcq
