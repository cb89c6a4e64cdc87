// SIGTERM and SIGHUP, which a desktop session sends its programs when the
// learner logs out or the machine shuts down, end VCQuick the way its close
// box does: the open record is saved first. Without this the progress since
// the last save would be lost at every logout.
#pragma once

#include <QObject>
#include <functional>

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
};

}  // namespace vcq::ui
