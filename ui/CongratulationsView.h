// The congratulations window: a small modeless window above the drill
// screen with the dancing chick, "よくできました。" and OK, mirrored from
// TfrmOmedeto. OK and the title bar's close button hide it through the core.
#pragma once

#include <array>

#include "screens/Congratulations.h"
#include "ui/Pictures.h"
#include "ui/SecondaryWindow.h"
#include "ui/ViewGuard.h"

class QLabel;

namespace vcq::ui {

class CongratulationsView : public SecondaryWindow {
 public:
  // Shown above `owner`, the drill screen.
  CongratulationsView(QWidget* owner, TfrmOmedeto& core, Guard guard, const QString& pictureDir);
  void Sync();

 protected:
  void OnShown() override;

 private:
  TfrmOmedeto& core_;
  QLabel* imgOyaji_;
  QWidget* btnOk_;
  // imgOyaji's pictures by TfrmOmedeto::Picture(): its own, then img1 .. img8.
  std::array<LazyPixmap, kOmedetoFrames + 1> frames_;
  int shown_ = -1;
};

}  // namespace vcq::ui
