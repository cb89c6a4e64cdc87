// The signals that ask a program politely to end: SIGINT (Ctrl-C in the
// terminal that started it), SIGTERM and SIGHUP (a logout, a shutdown, a
// terminal closed) and SIGQUIT. Each ends VCQuick the way its close box
// does: the open record is saved first, and when that fails the learner is
// asked whether to end without saving or to save it elsewhere. Without this
// the progress since the last save would be lost, and the lock file left
// behind.
//
// A second SIGINT before that ending is over (the question is up, or the
// learner is choosing where else to save) ends the program at once without
// saving, as terminals teach; the other signals meanwhile change nothing. A
// program started with SIGHUP ignored (nohup) keeps ignoring it.
//
// What no signal can do is cut short a save the kernel holds: a write, sync
// or rename waiting on a disk that stopped answering sleeps in the kernel,
// and a handler runs only when that call returns. A second SIGINT then ends
// the program as soon as the kernel lets go; some of these waits (a frozen
// file system) hold even SIGKILL. The record on disk stays whole either way:
// the save replaces it by a rename, or not at all.
#pragma once

#include <QObject>
#include <functional>
#include <vector>

class QSocketNotifier;

namespace vcq::ui {

class EndSignals : public QObject {
 public:
  // `end` runs on the event loop, never inside the signal handler. Only one
  // instance may exist at a time.
  explicit EndSignals(std::function<void()> end);
  ~EndSignals() override;
  EndSignals(const EndSignals&) = delete;
  EndSignals& operator=(const EndSignals&) = delete;

 private:
  std::function<void()> end_;
  QSocketNotifier* notifier_ = nullptr;
  std::vector<int> caught_;  // the signals given back to their default at the end
};

}  // namespace vcq::ui
