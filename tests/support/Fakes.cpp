#include "tests/support/Fakes.h"

#include <algorithm>
#include <stdexcept>

#include "data/Cp932.h"

namespace vcq::test {

struct ManualClock::Entry {
  int interval;
  bool enabled;
  long long due;
  std::function<void()> onTimer;
};

class ManualTimer : public Timer {
 public:
  ManualTimer(ManualClock& clock, int interval, bool enabled, std::function<void()> onTimer)
      : clock_(clock), e_{interval, enabled, clock.now_ + interval, std::move(onTimer)} {
    clock_.live_.push_back(&e_);
  }
  ~ManualTimer() override { std::erase(clock_.live_, &e_); }
  void SetInterval(int ms) override {
    if (ms == e_.interval) return;
    e_.interval = ms;
    e_.due = clock_.now_ + ms;
  }
  int Interval() const override { return e_.interval; }
  void SetEnabled(bool on) override {
    if (on == e_.enabled) return;
    e_.enabled = on;
    if (on) e_.due = clock_.now_ + e_.interval;
  }
  bool Enabled() const override { return e_.enabled; }

 private:
  ManualClock& clock_;
  ManualClock::Entry e_;
};

std::unique_ptr<Timer> ManualClock::NewTimer(int intervalMs, bool enabled,
                                             std::function<void()> onTimer) {
  return std::make_unique<ManualTimer>(*this, intervalMs, enabled, std::move(onTimer));
}

long long ManualClock::NextDue() const {
  long long best = -1;
  for (const Entry* e : live_)
    if (e->enabled && e->interval > 0 && (best < 0 || e->due < best)) best = e->due;
  return best < 0 ? -1 : best - now_;
}

void ManualClock::Advance(long long ms) {
  const long long end = now_ + ms;
  for (;;) {
    Entry* next = nullptr;
    for (Entry* e : live_)
      if (e->enabled && e->interval > 0 && e->due <= end && (!next || e->due < next->due)) next = e;
    if (!next) break;
    now_ = next->due;
    next->due += next->interval;
    auto tick = next->onTimer;  // the handler may replace or destroy the timer
    tick();
  }
  now_ = end;
}

std::optional<std::string> ScriptedDialogs::OpenFile(const FileDialogRequest& request) {
  fileDialogs.push_back(request);
  if (request.showing) request.showing(request.folder);  // as the real dialog opens in it
  if (files.empty()) return std::nullopt;
  auto answer = files.front();
  files.pop_front();
  return answer;
}

void ScriptedDialogs::ExecInput() {
  if (inputs.empty()) throw std::logic_error("player window shown with no scripted answer");
  auto act = std::move(inputs.front());
  inputs.pop_front();
  act();
}

// CP932 text put into a message unconverted (a player's name, a bank's
// title) is no UTF-8: every dialog text of every test is checked for it.
const std::string& ScriptedDialogs::Utf8Checked(const std::string& utf8) {
  if (!ScanUtf8(utf8).valid) throw std::logic_error("a dialog text that is not UTF-8: " + utf8);
  return utf8;
}

bool ScriptedDialogs::AskYesNo(const std::string& utf8Message) {
  questions.push_back(Utf8Checked(utf8Message));
  if (yesNo.empty()) return false;
  bool answer = yesNo.front();
  yesNo.pop_front();
  return answer;
}

std::size_t ScriptedDialogs::AskChoice(const std::string& utf8Message,
                                       const std::vector<std::string>& offered) {
  questions.push_back(Utf8Checked(utf8Message));
  for (const std::string& choice : offered) Utf8Checked(choice);
  if (offered.empty()) throw std::logic_error("a question with no choice");
  if (choices.empty()) return offered.size() - 1;
  const std::size_t answer = choices.front();
  choices.pop_front();
  if (answer >= offered.size()) throw std::logic_error("scripted choice past the buttons");
  return answer;
}

void FakeSpeech::Speak(std::string_view text) {
  if (failure) throw SpeechError(*failure);
  spoken.push_back({std::string(text), sound_.played.size(), clock_.Now()});
  endsAt_ = clock_.Now() + lasting;
}

}  // namespace vcq::test
