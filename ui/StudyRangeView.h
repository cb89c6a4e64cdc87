// The study range window: a coloured panel per lesson with its key letter,
// the hint, "全選択", "全解除" and OK, mirrored from TfrmSel. Clicks, keys
// and the title bar's close button go to TfrmSel through Program::Guard.
#pragma once

#include <QWidget>
#include <array>

#include "platform/Control.h"
#include "ui/WindowParts.h"

class QLabel;
class QPushButton;

namespace vcq {
class Program;
}

namespace vcq::ui {

class StudyRangeView : public QWidget {
 public:
  StudyRangeView(QWidget* owner, Program& app);
  void Sync();

 protected:
  void keyPressEvent(QKeyEvent* e) override;
  void closeEvent(QCloseEvent* e) override;

 private:
  Program& app_;
  QWidget* owner_;
  std::array<CaptionPanel*, 20> pnl_{};
  std::array<QLabel*, 20> lblKey_{};
  QLabel* label1_;
  QPushButton* btnOn_;
  QPushButton* btnOf_;
  QPushButton* btnOk_;
};

}  // namespace vcq::ui
