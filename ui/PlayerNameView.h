// The player window: one line of entry, OK and Cancel, shown modally by the
// dialog port. It mirrors TfrmInput and closes when the core hides it.
#pragma once

#include <QDialog>

#include "ui/Mirroring.h"
#include "ui/ViewGuard.h"

class QLineEdit;

namespace vcq {
class TfrmInput;
}

namespace vcq::ui {

class PlayerNameView : public QDialog {
 public:
  PlayerNameView(QWidget* owner, TfrmInput& core, Guard guard);
  void Sync();
  const MirrorList& Mirrors() const { return mirrors_; }

 protected:
  void showEvent(QShowEvent* e) override;
  void keyPressEvent(QKeyEvent* e) override;
  void closeEvent(QCloseEvent* e) override;

 private:
  TfrmInput& core_;
  Guard guard_;
  MirrorList mirrors_;
  QLineEdit* edit_;
};

}  // namespace vcq::ui
