#include "ui/Gui.h"

#include <initializer_list>

#include "app/Program.h"
#include "ui/InputView.h"
#include "ui/MainView.h"
#include "ui/OmedetoView.h"
#include "ui/OptionView.h"
#include "ui/QuesView.h"
#include "ui/ScoreTableView.h"
#include "ui/SelView.h"
#include "ui/StartPanView.h"

namespace vcq::ui {

Gui::Gui(Program& app) : app_(app) {
  const QString pictures = QString::fromStdString(app.paths.assetDir) + "/pictures";
  main_ = std::make_unique<MainView>(app, pictures);
  startPan_ = new StartPanView(main_.get(), app.frmStartPan, pictures);
  input_ = new InputView(main_.get(), app);
  sel_ = new SelView(main_.get(), app);
  option_ = new OptionView(main_.get(), app);
  scoreTable_ = new ScoreTableView(main_.get(), app);
  ques_ = std::make_unique<QuesView>(app, main_.get(), pictures);
  omedeto_ = new OmedetoView(ques_.get(), app, pictures);
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
    startPan_->hide();
    sel_->hide();
    option_->hide();
    scoreTable_->hide();
    omedeto_->hide();
    ques_->hide();
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
  input_->Sync();
  // The range, options and score-table windows float over the main window.
  sel_->Sync();
  option_->Sync();
  scoreTable_->Sync();
  // The drill screen after the main window, which it covers; the
  // congratulations window last, above the drill screen.
  ques_->Sync();
  omedeto_->Sync();
}

void Gui::RepaintAll() {
  SyncAll();
  for (QWidget* w : std::initializer_list<QWidget*>{main_.get(), startPan_, input_})
    if (w->isVisible()) w->repaint();
  for (QWidget* w : std::initializer_list<QWidget*>{sel_, option_, scoreTable_})
    if (w->isVisible()) w->repaint();
  for (QWidget* w : std::initializer_list<QWidget*>{ques_.get(), omedeto_})
    if (w->isVisible()) w->repaint();
}

}  // namespace vcq::ui
