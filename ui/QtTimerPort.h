// The core's window timers on Qt's event loop. One QObject owns every running
// timer id, so a tick may disable, re-time or destroy its own timer (or any
// other) without deleting a QObject while it delivers an event.
#pragma once

#include <QObject>
#include <unordered_map>

#include "platform/Ports.h"

namespace vcq::ui {

class QtTimer;

class QtTimerPort : public QObject, public TimerPort {
 public:
  QtTimerPort() = default;
  ~QtTimerPort() override;
  std::unique_ptr<Timer> NewTimer(int intervalMs, bool enabled,
                                  std::function<void()> onTimer) override;

 protected:
  void timerEvent(QTimerEvent* e) override;

 private:
  friend class QtTimer;
  std::unordered_map<int, QtTimer*> running_;  // Qt timer id to its timer
};

}  // namespace vcq::ui
