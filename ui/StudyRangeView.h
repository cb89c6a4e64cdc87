// The study range window: a coloured panel per lesson with its key letter,
// the hint, "全選択", "全解除" and OK, mirrored from TfrmSel. Clicks, keys
// and the title bar's close button go to TfrmSel through the guard.
#pragma once

#include <QWidget>
#include "platform/Control.h"
#include "ui/SecondaryWindow.h"
#include "ui/ViewGuard.h"

namespace vcq {
class TfrmSel;
}

namespace vcq::ui {

class StudyRangeView : public SecondaryWindow {
 public:
  StudyRangeView(QWidget* owner, TfrmSel& core, Guard guard);
  void Sync();

 protected:
  void keyPressEvent(QKeyEvent* e) override;

 private:
  TfrmSel& core_;
};

}  // namespace vcq::ui
