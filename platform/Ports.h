// The only ways out of the core: timers, the time of day, sound and dialogs
// (and the optional voice and settings file in Speech.h).
// Each has a real adapter in ui/ and a fake for tests in tests/support/Fakes.h.
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vcq {

// A window timer: ticks every Interval ms while enabled, on the one thread.
// Enabling a disabled timer or changing the interval restarts its count.
class Timer {
 public:
  virtual ~Timer() = default;
  virtual void SetInterval(int ms) = 0;
  virtual int Interval() const = 0;
  virtual void SetEnabled(bool on) = 0;
  virtual bool Enabled() const = 0;
};

class TimerPort {
 public:
  virtual ~TimerPort() = default;
  virtual std::unique_ptr<Timer> NewTimer(int intervalMs, bool enabled,
                                          std::function<void()> onTimer) = 0;
};

// Makes a timer whose ticks run as an event of the program: failures caught
// and the views synced, as for any other event. The program hands one to the
// windows that keep timers.
using TimerMaker = std::function<std::unique_ptr<Timer>(int intervalMs, bool enabled,
                                                        std::function<void()> onTimer)>;

struct TimeOfDay {
  int hour = 0, minute = 0, second = 0, millisecond = 0;
};

class ClockPort {
 public:
  virtual ~ClockPort() = default;
  virtual TimeOfDay NowUtc() = 0;
};

enum class CueMode { Async, Sync };

class SoundPort {
 public:
  virtual ~SoundPort() = default;
  // Stops whatever plays and starts `file` (a name without folder). Sync
  // returns when the cue has ended. Never fails: a missing file plays nothing.
  virtual void PlayCue(std::string_view file, CueMode mode) = 0;
};

struct FileDialogRequest {
  std::string title;   // UTF-8
  std::string filter;  // UTF-8, "caption |*.ext"
  std::string folder;  // where it opens
  // A dialog the learner sees calls this with each folder it shows, the first
  // included, before listing it: the program may rename files there.
  std::function<void(const std::string& folder)> showing = {};
  // Set: a place to save to rather than a file to open. The file need not
  // exist, the dialog proposes this name, and the program itself asks before
  // a file is replaced.
  std::string saveName = {};
};

class DialogPort {
 public:
  virtual ~DialogPort() = default;
  // The full path picked, or nothing when cancelled.
  virtual std::optional<std::string> OpenFile(const FileDialogRequest& request) = 0;
  // Shows the player window modally; returns when it has closed.
  virtual void ExecInput() = 0;
  virtual void ShowError(const std::string& utf8Message) = 0;
  // A message that is no failure: the program tells where it put something.
  virtual void ShowInfo(const std::string& utf8Message) = 0;
  // Every question asked risks something on Yes (replacing a file, ending
  // without saving): No is preselected, so Enter alone never loses anything.
  virtual bool AskYesNo(const std::string& utf8Message) = 0;
  // A question with one button for each of `choices`; the index of the one
  // pressed. The last is preselected and is the answer when the box is
  // closed, so it must be the one that risks nothing.
  virtual std::size_t AskChoice(const std::string& utf8Message,
                                const std::vector<std::string>& choices) = 0;
  virtual void ShowHelp() = 0;
};

struct Ports {
  TimerPort& timers;
  ClockPort& clock;
  SoundPort& sound;
  DialogPort& dialogs;
};

}  // namespace vcq
