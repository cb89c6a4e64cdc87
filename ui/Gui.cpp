#include "ui/Gui.h"

#include <initializer_list>

#include "app/Program.h"
#include "ui/InputView.h"
#include "ui/MainView.h"
#include "ui/StartPanView.h"

namespace vcq::ui {

Gui::Gui(Program& app) : app_(app) {
  const QString pictures = QString::fromStdString(app.paths.assetDir) + "/pictures";
  main_ = std::make_unique<MainView>(app, pictures);
  startPan_ = new StartPanView(main_.get(), app.frmStartPan, pictures);
  input_ = new InputView(main_.get(), app);
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
}

void Gui::RepaintAll() {
  SyncAll();
  for (QWidget* w : std::initializer_list<QWidget*>{main_.get(), startPan_, input_})
    if (w->isVisible()) w->repaint();
}

}  // namespace vcq::ui
