// The splash window shown while the program starts. It has no behaviour:
// the main window's start-up timer shows and hides it through the core.
#pragma once

#include <QWidget>

namespace vcq {
class TfrmStartPan;
}

namespace vcq::ui {

class SplashView : public QWidget {
 public:
  SplashView(QWidget* owner, const TfrmStartPan& form, const QString& pictureDir);
  void Sync();

 private:
  const TfrmStartPan& form_;
};

}  // namespace vcq::ui
