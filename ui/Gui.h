// The views of one Program: builds a widget per window, mirrors the core
// into them after every event (Program::onChanged) and reports the end of
// the program. main() and the view tests build the same thing.
#pragma once

#include <functional>
#include <memory>
#include <vector>

#include <QString>

class QWidget;

namespace vcq {
class Program;
}

namespace vcq::ui {

class InputView;
class MainView;
class OmedetoView;
class OptionView;
class QuesView;
class ScoreTableView;
class SelView;
class StartPanView;

class Gui {
 public:
  // Pictures come from the program's asset folder.
  explicit Gui(Program& app);
  ~Gui();
  Gui(const Gui&) = delete;
  Gui& operator=(const Gui&) = delete;

  void SyncAll();
  // SyncAll, then paints every shown window at once: a synchronous cue is
  // about to hold the event loop.
  void RepaintAll();

  MainView& Main() { return *main_; }
  StartPanView& StartPan() { return *startPan_; }
  // The windows a learner opens later are built when first shown (or asked for).
  InputView& Input();
  SelView& Sel();
  OptionView& Option();
  ScoreTableView& ScoreTable();
  QuesView& Ques();
  OmedetoView& Omedeto();

  // Called once when the main window has closed for good.
  std::function<void()> onClosed;

 private:
  // The lazily built windows that exist, in painting order.
  std::vector<QWidget*> Built() const;

  Program& app_;
  std::unique_ptr<MainView> main_;
  StartPanView* startPan_;      // owned by main_, as windows over it
  InputView* input_ = nullptr;  // owned by main_, as a dialog over it
  // Null until first shown.
  SelView* sel_ = nullptr;  // owned by main_, as modeless windows over it
  OptionView* option_ = nullptr;
  ScoreTableView* scoreTable_ = nullptr;
  std::unique_ptr<QuesView> ques_;  // a window of its own, laid over main_
  OmedetoView* omedeto_ = nullptr;  // owned by ques_, as a window above it
  QString pictures_;
  bool closedReported_ = false;
};

}  // namespace vcq::ui
