#include "ui/EndSignals.h"

#include <sys/socket.h>
#include <unistd.h>
#include <QSocketNotifier>
#include <csignal>

namespace vcq::ui {

namespace {

constexpr int kEndSignals[] = {SIGINT, SIGTERM, SIGHUP, SIGQUIT};

// The handler may only write a byte; the notifier reads it on the event loop.
int signalPipe[2] = {-1, -1};
// From the first signal's arrival until the ending it asked for is over.
volatile std::sig_atomic_t ending = 0;

void OnEndSignal(int sig) {
  if (ending) {
    if (sig == SIGINT) {
      // As if the program had never caught it: the shell sees it end by Ctrl-C.
      struct sigaction dfl = {};
      dfl.sa_handler = SIG_DFL;
      sigemptyset(&dfl.sa_mask);
      ::sigaction(SIGINT, &dfl, nullptr);
      ::raise(SIGINT);
    }
    return;
  }
  ending = 1;
  const char byte = 1;
  [[maybe_unused]] const ssize_t n = ::write(signalPipe[0], &byte, 1);
}

}  // namespace

EndSignals::EndSignals(std::function<void()> end) : end_(std::move(end)) {
  if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, signalPipe) != 0) return;
  ending = 0;
  notifier_ = new QSocketNotifier(signalPipe[1], QSocketNotifier::Read, this);
  connect(notifier_, &QSocketNotifier::activated, this, [this] {
    char byte;
    [[maybe_unused]] const ssize_t n = ::read(signalPipe[1], &byte, 1);
    if (end_) end_();
    // The learner chose to stay: the next signal asks again.
    ending = 0;
  });
  struct sigaction sa = {};
  sa.sa_handler = OnEndSignal;
  sigemptyset(&sa.sa_mask);
  // One handler at a time: two signals at once start one ending.
  for (int sig : kEndSignals) sigaddset(&sa.sa_mask, sig);
  sa.sa_flags = SA_RESTART;
  for (int sig : kEndSignals) {
    struct sigaction old = {};
    if (sig == SIGHUP && ::sigaction(sig, nullptr, &old) == 0 && old.sa_handler == SIG_IGN)
      continue;
    if (::sigaction(sig, &sa, nullptr) == 0) caught_.push_back(sig);
  }
}

EndSignals::~EndSignals() {
  for (int sig : caught_) std::signal(sig, SIG_DFL);
  delete notifier_;
  for (int& fd : signalPipe) {
    if (fd >= 0) ::close(fd);
    fd = -1;
  }
}

}  // namespace vcq::ui
