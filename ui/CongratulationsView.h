// The congratulations window: a small modeless window above the drill
// screen with the dancing chick, "よくできました。" and OK, mirrored from
// TfrmOmedeto. OK and the title bar's close button hide it through the core.
#pragma once

#include <array>

#include "screens/Congratulations.h"
#include "ui/Pictures.h"
#include "ui/SecondaryWindow.h"

class QLabel;

namespace vcq {
class Program;
}

namespace vcq::ui {

class CongratulationsView : public SecondaryWindow {
 public:
  // Shown above `owner`, the drill screen.
  CongratulationsView(QWidget* owner, Program& app, const QString& pictureDir);
  void Sync();

 protected:
  void OnShown() override;

 private:
  Program& app_;
  QLabel* imgOyaji_;
  QWidget* btnOk_;
  // imgOyaji's pictures by TfrmOmedeto::Picture(): its own, then img1 .. img8.
  std::array<LazyPixmap, kOmedetoFrames + 1> frames_;
  int shown_ = -1;
};

}  // namespace vcq::ui
