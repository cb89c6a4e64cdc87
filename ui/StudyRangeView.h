// The study range window: a coloured panel per lesson with its key letter,
// the hint, "全選択", "全解除" and OK, mirrored from TfrmSel. Clicks, keys
// and the title bar's close button go to TfrmSel through Program::Guard.
#pragma once

#include <QWidget>
#include "platform/Control.h"
#include "ui/SecondaryWindow.h"

namespace vcq {
class Program;
}

namespace vcq::ui {

class StudyRangeView : public SecondaryWindow {
 public:
  StudyRangeView(QWidget* owner, Program& app);
  void Sync();

 protected:
  void keyPressEvent(QKeyEvent* e) override;

 private:
  Program& app_;
};

}  // namespace vcq::ui
