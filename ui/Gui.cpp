#include "ui/Gui.h"

#include <initializer_list>
#include <vector>

#include "app/Program.h"
#include "ui/CongratulationsView.h"
#include "ui/DrillScreenView.h"
#include "ui/MainWindowView.h"
#include "ui/OptionsView.h"
#include "ui/PlayerNameView.h"
#include "ui/ScoreTableView.h"
#include "ui/SplashView.h"
#include "ui/StudyRangeView.h"

namespace vcq::ui {

Gui::Gui(Program& app)
    : app_(app), pictures_(QString::fromStdString(app.paths.assetDir) + "/pictures") {
  main_ = std::make_unique<MainWindowView>(app, pictures_);
  startPan_ = new SplashView(main_.get(), app.frmStartPan, pictures_);
  app_.onChanged = [this] { SyncAll(); };
  SyncAll();
}

// Building a window's widgets loads its fonts and lays out its labels: the
// first window comes up sooner when the others wait until they are needed.
StudyRangeView& Gui::StudyRange() {
  if (!sel_) sel_ = new StudyRangeView(main_.get(), app_);
  return *sel_;
}

PlayerNameView& Gui::PlayerName() {
  // Its entry box lays out text as it is made, which builds the font database.
  if (!input_) input_ = new PlayerNameView(main_.get(), app_);
  return *input_;
}

OptionsView& Gui::Options() {
  if (!option_) option_ = new OptionsView(main_.get(), app_);
  return *option_;
}

ScoreTableView& Gui::ScoreTable() {
  if (!scoreTable_) scoreTable_ = new ScoreTableView(main_.get(), app_);
  return *scoreTable_;
}

DrillScreenView& Gui::DrillScreen() {
  if (!ques_) ques_ = std::make_unique<DrillScreenView>(app_, main_.get(), pictures_);
  return *ques_;
}

CongratulationsView& Gui::Congratulations() {
  if (!omedeto_) omedeto_ = new CongratulationsView(&DrillScreen(), app_, pictures_);
  return *omedeto_;
}

Gui::~Gui() {
  app_.onChanged = nullptr;
}

void Gui::SyncAll() {
  const TfrmMain& m = app_.frmMain;
  main_->Sync();
  if (m.Closed) {
    startPan_->hide();
    for (QWidget* w : Built()) w->hide();
    main_->hide();
    if (!closedReported_ && onClosed) {
      closedReported_ = true;
      onClosed();
    }
    return;
  }
  main_->setVisible(m.form.Visible);
  // After the main window, so that a splash shown now comes up on top of it.
  startPan_->Sync();
  if (input_) input_->Sync();  // it syncs itself when first shown
  // The range, options and score-table windows float over the main window.
  if (sel_ || app_.frmSel.form.Visible) StudyRange().Sync();
  if (option_ || app_.frmOption.form.Visible) Options().Sync();
  if (scoreTable_ || app_.frmScoreTable.form.Visible) ScoreTable().Sync();
  // The drill screen after the main window, which it covers; the
  // congratulations window last, above the drill screen.
  if (ques_ || app_.frmQues.form.Visible) DrillScreen().Sync();
  if (omedeto_ || app_.frmOmedeto.form.Visible) Congratulations().Sync();
}

std::vector<QWidget*> Gui::Built() const {
  std::vector<QWidget*> built;
  for (QWidget* w :
       std::initializer_list<QWidget*>{sel_, option_, scoreTable_, ques_.get(), omedeto_})
    if (w) built.push_back(w);
  return built;
}

void Gui::RepaintAll() {
  SyncAll();
  for (QWidget* w : std::initializer_list<QWidget*>{main_.get(), startPan_})
    if (w->isVisible()) w->repaint();
  if (input_ && input_->isVisible()) input_->repaint();
  for (QWidget* w : Built())
    if (w->isVisible()) w->repaint();
}

}  // namespace vcq::ui
