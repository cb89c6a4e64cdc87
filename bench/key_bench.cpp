// One key on the drill screen, with a question of the limit bank waiting:
// through the core window alone (FormKeyDown + FormKeyPress, sound and
// timers faked), and through its Qt view, which syncs every view after each
// handler. Setting up the next key (clearing the typed answer, letting the
// answer animation run) happens with the timer paused.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QtTest>
#include <memory>

#include "app/Program.h"
#include "bench/BenchFiles.h"
#include "platform/VirtualKeys.h"
#include "tests/support/DrillDriver.h"
#include "tests/support/TextFiles.h"
#include "ui/DrillScreenView.h"
#include "ui/Gui.h"
#include "ui/MainWindowView.h"

namespace vcq::bench {
namespace {

// A new record on the limit bank and a drill started on it; with `views`,
// the program's windows on it as main() builds them.
struct Drill {
  explicit Drill(bool views) : d(dir.path().string()) {
    d.NewRecord(Files().bankPath);
    if (views) {
      gui = std::make_unique<ui::Gui>(d.t.app);
      gui->MainWindow().show();
      QTest::keyClick(&gui->MainWindow(), Qt::Key_F5);
      d.Settle();
      QCoreApplication::processEvents();
    } else {
      d.StartDrill();
    }
    d.sound().clear();
    if (!d.Waiting() || !AnswersAccepted(d.t.app.drill))
      throw std::runtime_error("no question waits");
  }
  // Until the next gap waits; a new drill when this one has ended.
  static void Next(std::unique_ptr<Drill>& drill) {
    drill->d.Settle();
    if (!drill->d.Waiting()) drill = std::make_unique<Drill>(drill->gui != nullptr);
    drill->d.sound().clear();
  }

  test::TempDir dir;
  test::DrillDriver d;
  std::unique_ptr<ui::Gui> gui;
};

constexpr int kLettersBeforeClear = 20;  // typed answers hold 30 at most

void CoreKey(test::DrillDriver& d, int vk, char ch) {
  d.Down(vk);
  d.Press(ch);
}

void QtKey(Drill& s, Qt::Key key) {
  QTest::keyPress(&s.gui->ViewOf<ui::DrillScreenView>(), key);
}

template <typename Key>
void TypedLetter(benchmark::State& state, bool views, Key key) {
  auto s = std::make_unique<Drill>(views);
  int typed = 0;
  for (auto _ : state) {
    key(*s);
    if (++typed == kLettersBeforeClear) {
      state.PauseTiming();
      s->d.Delete();
      s->d.sound().clear();
      typed = 0;
      state.ResumeTiming();
    }
  }
  if (views) QCoreApplication::processEvents();
}

// A right answer: typed while paused, then Enter measured.
template <typename Key>
void RightEnter(benchmark::State& state, bool views, Key key) {
  auto s = std::make_unique<Drill>(views);
  for (auto _ : state) {
    state.PauseTiming();
    Drill::Next(s);
    s->d.Type(s->d.t.app.drill.AnsWord);
    state.ResumeTiming();
    key(*s);
  }
}

// A wrong answer: the correction, the explanation and the red answer line.
template <typename Key>
void WrongEnter(benchmark::State& state, bool views, Key key) {
  auto s = std::make_unique<Drill>(views);
  int n = 0;
  for (auto _ : state) {
    state.PauseTiming();
    s->d.Type("zzz");
    if (++n % 1024 == 0) s->d.sound().clear();
    state.ResumeTiming();
    key(*s);
  }
}

void BM_Core_TypedLetter(benchmark::State& state) {
  TypedLetter(state, false, [](Drill& s) { CoreKey(s.d, 'G', 'g'); });
}
BENCHMARK(BM_Core_TypedLetter);

void BM_Core_EnterRight(benchmark::State& state) {
  RightEnter(state, false, [](Drill& s) { CoreKey(s.d, vk::kReturn, '\r'); });
}
BENCHMARK(BM_Core_EnterRight);

void BM_Core_EnterWrong(benchmark::State& state) {
  WrongEnter(state, false, [](Drill& s) { CoreKey(s.d, vk::kReturn, '\r'); });
}
BENCHMARK(BM_Core_EnterWrong);

void BM_Qt_TypedLetter(benchmark::State& state) {
  TypedLetter(state, true, [](Drill& s) { QtKey(s, Qt::Key_G); });
}
BENCHMARK(BM_Qt_TypedLetter);

void BM_Qt_EnterRight(benchmark::State& state) {
  RightEnter(state, true, [](Drill& s) { QtKey(s, Qt::Key_Return); });
}
BENCHMARK(BM_Qt_EnterRight);

void BM_Qt_EnterWrong(benchmark::State& state) {
  WrongEnter(state, true, [](Drill& s) { QtKey(s, Qt::Key_Return); });
}
BENCHMARK(BM_Qt_EnterWrong);

// The whole of a keystroke as the learner makes it: press, release (one
// more sync) and the repaint of what changed, offscreen.
void BM_Qt_TypedLetterStrokeAndPaint(benchmark::State& state) {
  TypedLetter(state, true, [](Drill& s) {
    QTest::keyClick(&s.gui->ViewOf<ui::DrillScreenView>(), Qt::Key_G);
    QCoreApplication::processEvents();
  });
}
BENCHMARK(BM_Qt_TypedLetterStrokeAndPaint);

}  // namespace
}  // namespace vcq::bench
