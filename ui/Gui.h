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

class PlayerNameView;
class MainWindowView;
class CongratulationsView;
class OptionsView;
class DrillScreenView;
class ScoreTableView;
class StudyRangeView;
class SplashView;

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

  MainWindowView& MainWindow() { return *main_; }
  SplashView& Splash() { return *startPan_; }
  // The windows a learner opens later are built when first shown (or asked for).
  PlayerNameView& PlayerName();
  StudyRangeView& StudyRange();
  OptionsView& Options();
  ScoreTableView& ScoreTable();
  DrillScreenView& DrillScreen();
  CongratulationsView& Congratulations();

  // Called once when the main window has closed for good.
  std::function<void()> onClosed;

 private:
  // The lazily built windows that exist, in painting order.
  std::vector<QWidget*> Built() const;

  Program& app_;
  std::unique_ptr<MainWindowView> main_;
  SplashView* startPan_;             // owned by main_, as windows over it
  PlayerNameView* input_ = nullptr;  // owned by main_, as a dialog over it
  // Null until first shown.
  StudyRangeView* sel_ = nullptr;  // owned by main_, as modeless windows over it
  OptionsView* option_ = nullptr;
  ScoreTableView* scoreTable_ = nullptr;
  std::unique_ptr<DrillScreenView> ques_;   // a window of its own, laid over main_
  CongratulationsView* omedeto_ = nullptr;  // owned by ques_, as a window above it
  QString pictures_;
  bool closedReported_ = false;
};

}  // namespace vcq::ui
