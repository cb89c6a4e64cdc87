// Fakes of the ports: a clock advanced by hand, a sound player that keeps the
// cues it was asked for, and dialogs that answer from a script.
#pragma once

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/Ports.h"
#include "platform/Speech.h"

namespace vcq::test {

// Fires due ticks in time order; ties go to the timer created first.
class ManualClock : public TimerPort {
 public:
  std::unique_ptr<Timer> NewTimer(int intervalMs, bool enabled,
                                  std::function<void()> onTimer) override;
  void Advance(long long ms);
  long long Now() const { return now_; }
  // Milliseconds until the next tick of any enabled timer, or -1.
  long long NextDue() const;

  struct Entry;

 private:
  friend class ManualTimer;
  long long now_ = 0;
  std::vector<Entry*> live_;
};

class FixedClock : public ClockPort {
 public:
  TimeOfDay NowUtc() override { return time; }
  TimeOfDay time{12, 34, 56, 789};
};

struct PlayedCue {
  std::string file;
  CueMode mode;
  friend bool operator==(const PlayedCue&, const PlayedCue&) = default;
};

class RecordingSound : public SoundPort {
 public:
  void PlayCue(std::string_view file, CueMode mode) override {
    played.push_back({std::string(file), mode});
  }
  std::vector<PlayedCue> played;
};

// A voice that speaks each sentence for `lasting` ms of the manual clock and
// notes how many cues had played when it started, to tell the order.
class FakeSpeech : public SpeechPort {
 public:
  FakeSpeech(ManualClock& clock, RecordingSound& sound) : clock_(clock), sound_(sound) {}
  void Speak(std::string_view text) override;
  bool Speaking() override { return clock_.Now() < endsAt_; }
  void StopSpeaking() override { endsAt_ = clock_.Now(); }

  struct Spoken {
    std::string text;
    std::size_t cuesBefore;
    long long at;
  };
  std::vector<Spoken> spoken;
  long long lasting = 2000;
  std::optional<std::string> failure;  // thrown as SpeechError when set

 private:
  ManualClock& clock_;
  RecordingSound& sound_;
  long long endsAt_ = 0;
};

class MemorySettings : public SettingsPort {
 public:
  bool ReadAloud() override { return readAloud; }
  void SetReadAloud(bool on) override {
    readAloud = on;
    ++writes;
  }
  bool readAloud = false;
  int writes = 0;
};

class ScriptedDialogs : public DialogPort {
 public:
  std::optional<std::string> OpenFile(const FileDialogRequest& request) override;
  void ExecInput() override;
  void ShowError(const std::string& utf8Message) override {
    errors.push_back(Utf8Checked(utf8Message));
  }
  void ShowInfo(const std::string& utf8Message) override {
    infos.push_back(Utf8Checked(utf8Message));
  }
  bool AskYesNo(const std::string& utf8Message) override;
  std::size_t AskChoice(const std::string& utf8Message,
                        const std::vector<std::string>& choices) override;
  void ShowHelp() override { ++helpShown; }

  // Answers for the next file dialogs, in order; nothing left means cancel.
  std::deque<std::optional<std::string>> files;
  // What the learner does in the next player windows, in order.
  std::deque<std::function<void()>> inputs;
  std::deque<bool> yesNo;
  // Answers to the next questions with choices; nothing left means the last.
  std::deque<std::size_t> choices;

  std::vector<FileDialogRequest> fileDialogs;
  std::vector<std::string> errors;
  std::vector<std::string> infos;
  std::vector<std::string> questions;  // yes/no questions and those with choices, in order
  int helpShown = 0;

 private:
  static const std::string& Utf8Checked(const std::string& utf8);
};

}  // namespace vcq::test
