#include "ui/Gui.h"

#include <stdexcept>

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

namespace {

// The rows of Gui::windows_, in their order.
enum Row : std::size_t {
  kSplash,
  kPlayerName,
  kStudyRange,
  kOptions,
  kScoreTable,
  kDrillScreen,
  kCongratulations,
};

}  // namespace

template <typename View, typename Make>
void Gui::Add(std::size_t row, Build build, const Control& form, Make make) {
  if (row != windows_.size()) throw std::logic_error("Gui: windows added out of their order");
  windows_.push_back(Window{build, form, [make]() -> QWidget* { return make(); },
                            [](QWidget* w) { static_cast<View*>(w)->Sync(); }});
}

template <typename View>
View& Gui::Get(std::size_t index) {
  Window& w = windows_[index];
  if (!w.view) w.view = w.make();
  return *static_cast<View*>(w.view);
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
  Add<SplashView>(kSplash, Build::kAtStart, app.frmStartPan.form,
                  [this, owner] { return new SplashView(owner, app_.frmStartPan, pictures_); });
  Add<PlayerNameView>(kPlayerName, Build::kWhenAskedFor, app.frmInput.form,
                      [this, owner] { return new PlayerNameView(owner, app_.frmInput, guard_); });
  Add<StudyRangeView>(kStudyRange, Build::kWhenShown, app.frmSel.form,
                      [this, owner] { return new StudyRangeView(owner, app_.frmSel, guard_); });
  Add<OptionsView>(kOptions, Build::kWhenShown, app.frmOption.form,
                   [this, owner] { return new OptionsView(owner, app_.frmOption, guard_); });
  Add<ScoreTableView>(kScoreTable, Build::kWhenShown, app.frmScoreTable.form, [this, owner] {
    return new ScoreTableView(owner, app_.frmScoreTable, guard_);
  });
  Add<DrillScreenView>(kDrillScreen, Build::kWhenShown, app.frmQues.form, [this, owner] {
    auto v = std::make_unique<DrillScreenView>(app_.frmQues, guard_, owner, pictures_);
    DrillScreenView* shown = v.get();
    windows_[kDrillScreen].owned = std::move(v);
    return shown;
  });
  Add<CongratulationsView>(kCongratulations, Build::kWhenShown, app.frmOmedeto.form, [this] {
    return new CongratulationsView(&DrillScreen(), app_.frmOmedeto, guard_, pictures_);
  });
  Get<SplashView>(kSplash);
  app_.onChanged = [this] { SyncAll(); };
  SyncAll();
}

Gui::~Gui() {
  app_.onChanged = nullptr;
}

SplashView& Gui::Splash() {
  return Get<SplashView>(kSplash);
}
PlayerNameView& Gui::PlayerName() {
  return Get<PlayerNameView>(kPlayerName);
}
StudyRangeView& Gui::StudyRange() {
  return Get<StudyRangeView>(kStudyRange);
}
OptionsView& Gui::Options() {
  return Get<OptionsView>(kOptions);
}
ScoreTableView& Gui::ScoreTable() {
  return Get<ScoreTableView>(kScoreTable);
}
DrillScreenView& Gui::DrillScreen() {
  return Get<DrillScreenView>(kDrillScreen);
}
CongratulationsView& Gui::Congratulations() {
  return Get<CongratulationsView>(kCongratulations);
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
