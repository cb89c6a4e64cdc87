#include "ui/QtTimerPort.h"

#include <QTimerEvent>

namespace vcq::ui {

class QtTimer : public Timer {
 public:
  QtTimer(QtTimerPort& port, int interval, bool enabled, std::function<void()> onTimer)
      : port_(&port), interval_(interval), enabled_(enabled), onTimer_(std::move(onTimer)) {
    Restart();
  }
  ~QtTimer() override { Stop(); }

  void SetInterval(int ms) override {
    if (ms == interval_) return;
    interval_ = ms;
    Restart();
  }
  int Interval() const override { return interval_; }
  void SetEnabled(bool on) override {
    if (on == enabled_) return;
    enabled_ = on;
    Restart();
  }
  bool Enabled() const override { return enabled_; }

  void Detach() {
    id_ = 0;
    port_ = nullptr;
  }
  const std::function<void()>& OnTimer() const { return onTimer_; }

 private:
  // Starting afresh is what makes a re-enabled or re-timed timer count its
  // whole interval again. An interval of 0 never ticks.
  void Restart() {
    Stop();
    if (!port_ || !enabled_ || interval_ <= 0) return;
    id_ = port_->startTimer(interval_, Qt::PreciseTimer);
    if (id_ != 0) port_->running_[id_] = this;
  }
  void Stop() {
    if (!port_ || id_ == 0) return;
    port_->killTimer(id_);
    port_->running_.erase(id_);
    id_ = 0;
  }

  QtTimerPort* port_;
  int interval_;
  bool enabled_;
  int id_ = 0;
  std::function<void()> onTimer_;
};

QtTimerPort::~QtTimerPort() {
  for (auto& [id, timer] : running_) timer->Detach();
}

std::unique_ptr<Timer> QtTimerPort::NewTimer(int intervalMs, bool enabled,
                                             std::function<void()> onTimer) {
  return std::make_unique<QtTimer>(*this, intervalMs, enabled, std::move(onTimer));
}

void QtTimerPort::timerEvent(QTimerEvent* e) {
  auto it = running_.find(e->timerId());
  if (it == running_.end()) return;
  // A copy: the tick may destroy the timer that holds the handler.
  auto tick = it->second->OnTimer();
  tick();
}

}  // namespace vcq::ui
