// The views of one Program: builds a widget per window, mirrors the core
// into them after every event (Program::onChanged) and reports the end of
// the program. main() and the view tests build the same thing.
#pragma once

#include <functional>
#include <memory>
#include <typeinfo>
#include <vector>

#include <QString>

#include "ui/ViewGuard.h"

class QWidget;

namespace vcq {
class Program;
struct Control;
}  // namespace vcq

namespace vcq::ui {

class MainWindowView;

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
  // The view of a window over the main window, by its class. The windows a
  // learner opens later are built when first shown, or when asked for here.
  template <typename View>
  View& ViewOf() {
    return *static_cast<View*>(Built(typeid(View)));
  }

  // Called once when the main window has closed for good.
  std::function<void()> onClosed;

 private:
  // When a window's view is built. Building a window's widgets loads its
  // fonts and lays out its labels: the first window comes up sooner when
  // the others wait until they are needed.
  enum class Build {
    kAtStart,      // with the main window
    kWhenShown,    // when its form first shows (or the view is asked for)
    kWhenAskedFor  // only when asked for: it syncs itself when first shown
  };
  // One window over the main window: its view's class, its form, how its
  // view is made, and the view once made. A window that is not up never
  // needs a view.
  struct Window {
    const std::type_info* type;
    Build build;
    const Control& form;
    std::function<QWidget*()> make;
    std::function<void(QWidget*)> sync;
    QWidget* view = nullptr;
    // The view when it is a window of its own, not owned by another.
    std::unique_ptr<QWidget> owned = nullptr;
  };
  // The rows of windows_, one per window, in the table in Gui.cpp.
  template <typename View, typename Make>
  void Add(Build build, const Control& form, Make make);
  Window& RowOf(const std::type_info& view);
  QWidget* Built(const std::type_info& view);

  Program& app_;
  Guard guard_;
  QString pictures_;
  std::unique_ptr<MainWindowView> main_;
  // In painting order; the views the main window does not own are
  // destroyed before it.
  std::vector<Window> windows_;
  bool closedReported_ = false;
};

}  // namespace vcq::ui
