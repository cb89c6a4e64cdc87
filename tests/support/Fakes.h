// Fakes of the ports: a clock advanced by hand, a sound player that keeps the
// cues it was asked for, and dialogs that answer from a script.
#pragma once

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/Ports.h"

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

class ScriptedDialogs : public DialogPort {
 public:
  std::optional<std::string> OpenFile(const FileDialogRequest& request) override;
  void ExecInput() override;
  void ShowError(const std::string& utf8Message) override { errors.push_back(utf8Message); }
  void ShowInfo(const std::string& utf8Message) override { infos.push_back(utf8Message); }
  bool AskYesNo(const std::string& utf8Message) override;
  void ShowHelp() override { ++helpShown; }

  // Answers for the next file dialogs, in order; nothing left means cancel.
  std::deque<std::optional<std::string>> files;
  // What the learner does in the next player windows, in order.
  std::deque<std::function<void()>> inputs;
  std::deque<bool> yesNo;

  std::vector<FileDialogRequest> fileDialogs;
  std::vector<std::string> errors;
  std::vector<std::string> infos;
  std::vector<std::string> questions;
  int helpShown = 0;
};

}  // namespace vcq::test
