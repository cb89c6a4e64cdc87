// The congratulations window: a small modeless window above the drill
// screen with the dancing chick, "よくできました。" and OK, mirrored from
// TfrmOmedeto. OK and the title bar's close button hide it through the core.
#pragma once

#include <QWidget>
#include <array>

#include "screens/Congratulations.h"
#include "ui/Mirror.h"

class QLabel;
class QPushButton;

namespace vcq {
class Program;
}

namespace vcq::ui {

class CongratulationsView : public QWidget {
 public:
  // Shown above `owner`, the drill screen.
  CongratulationsView(QWidget* owner, Program& app, const QString& pictureDir);
  void Sync();

 protected:
  void closeEvent(QCloseEvent* e) override;

 private:
  Program& app_;
  QWidget* owner_;
  QLabel* imgOyaji_;
  QLabel* label1_;
  QPushButton* btnOk_;
  // imgOyaji's pictures by TfrmOmedeto::Picture(): its own, then img1 .. img8.
  std::array<LazyPixmap, kOmedetoFrames + 1> frames_;
  int shown_ = -1;
};

}  // namespace vcq::ui
