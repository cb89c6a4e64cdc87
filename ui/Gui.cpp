#include "ui/Gui.h"

#include <stdexcept>
#include <string>

#include "app/Program.h"
#include "ui/Accessible.h"
#include "ui/CongratulationsView.h"
#include "ui/DrillScreenView.h"
#include "ui/MainWindowView.h"
#include "ui/OptionsView.h"
#include "ui/PlayerNameView.h"
#include "ui/ScoreTableView.h"
#include "ui/SplashView.h"
#include "ui/StudyRangeView.h"

namespace vcq::ui {

template <typename View, typename Make>
void Gui::Add(Build build, const Control& form, Make make) {
  windows_.push_back(Window{&typeid(View), build, form, [make]() -> QWidget* { return make(); },
                            [](QWidget* w) { static_cast<View*>(w)->Sync(); }});
}

Gui::Window& Gui::RowOf(const std::type_info& view) {
  for (Window& w : windows_)
    if (*w.type == view) return w;
  throw std::logic_error(std::string("Gui: no window has the view ") + view.name());
}

QWidget* Gui::Built(const std::type_info& view) {
  Window& w = RowOf(view);
  if (!w.view) w.view = w.make();
  return w.view;
}

Gui::Gui(Program& app)
    : app_(app),
      guard_([&app](const std::function<void()>& handler) { app.Guard(handler); }),
      pictures_(QString::fromStdString(app.paths.assetDir) + "/pictures") {
  InstallAccessibility();
  main_ = std::make_unique<MainWindowView>(app.frmMain, guard_, pictures_);
  QWidget* owner = main_.get();
  // The splash, the player window and the range, options and score-table
  // windows float over the main window, which owns them; the drill screen
  // is a window of its own laid over it, and owns the congratulations
  // window above it.
  Add<SplashView>(Build::kAtStart, app.frmStartPan.form,
                  [this, owner] { return new SplashView(owner, app_.frmStartPan, pictures_); });
  Add<PlayerNameView>(Build::kWhenAskedFor, app.frmInput.form,
                      [this, owner] { return new PlayerNameView(owner, app_.frmInput, guard_); });
  Add<StudyRangeView>(Build::kWhenShown, app.frmSel.form,
                      [this, owner] { return new StudyRangeView(owner, app_.frmSel, guard_); });
  Add<OptionsView>(Build::kWhenShown, app.frmOption.form,
                   [this, owner] { return new OptionsView(owner, app_.frmOption, guard_); });
  Add<ScoreTableView>(Build::kWhenShown, app.frmScoreTable.form, [this, owner] {
    return new ScoreTableView(owner, app_.frmScoreTable, guard_);
  });
  Add<DrillScreenView>(Build::kWhenShown, app.frmQues.form, [this, owner] {
    auto v = std::make_unique<DrillScreenView>(app_.frmQues, guard_, owner, pictures_);
    DrillScreenView* shown = v.get();
    RowOf(typeid(DrillScreenView)).owned = std::move(v);
    return shown;
  });
  Add<CongratulationsView>(Build::kWhenShown, app.frmOmedeto.form, [this] {
    return new CongratulationsView(&ViewOf<DrillScreenView>(), app_.frmOmedeto, guard_, pictures_);
  });
  ViewOf<SplashView>();
  app_.onChanged = [this] { SyncAll(); };
  SyncAll();
}

Gui::~Gui() {
  app_.onChanged = nullptr;
}

void Gui::SyncAll() {
  const TfrmMain& m = app_.frmMain;
  main_->Sync();
  if (m.Closed) {
    // The player window is modal: it has ended before the main window can close.
    for (Window& w : windows_)
      if (w.view && w.build != Build::kWhenAskedFor) w.view->hide();
    main_->hide();
    if (!closedReported_ && onClosed) {
      closedReported_ = true;
      onClosed();
    }
    return;
  }
  main_->setVisible(m.form.Visible);
  // After the main window, so that a splash shown now comes up on top of it,
  // and each window after the ones it covers.
  for (std::size_t i = 0; i < windows_.size(); ++i) {
    Window& w = windows_[i];
    if (!w.view && w.build == Build::kWhenShown && w.form.Visible) w.view = w.make();
    if (w.view) w.sync(w.view);
  }
}

void Gui::RepaintAll() {
  SyncAll();
  if (main_->isVisible()) main_->repaint();
  for (Window& w : windows_)
    if (w.view && w.view->isVisible()) w.view->repaint();
}

}  // namespace vcq::ui
