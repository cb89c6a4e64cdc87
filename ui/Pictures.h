// Pictures and icons fetched when first needed, so that start-up need not
// wait for decoders or icon themes of windows not shown yet.
#pragma once

#include <QPixmap>
#include <QString>
#include <QStyle>

class QPushButton;

namespace vcq::ui {

// The style's standard icon on a button, fetched when the button is first
// shown: the first such icon has Qt search the desktop's icon themes, which
// start-up need not wait for when the window is not shown yet.
void SetStandardIconWhenShown(QPushButton* b, QStyle::StandardPixmap icon);

// A picture read from its file the first time it is asked for, then kept.
// The frames of the drill screen's character and of the congratulations
// window are not all needed at start-up, and reading the first JPEG loads
// the JPEG decoder.
class LazyPixmap {
 public:
  LazyPixmap() = default;
  explicit LazyPixmap(QString path) : path_(std::move(path)) {}
  const QPixmap& Get() {
    if (!loaded_) {
      pixmap_ = QPixmap(path_);
      loaded_ = true;
    }
    return pixmap_;
  }

 private:
  QString path_;
  QPixmap pixmap_;
  bool loaded_ = false;
};

}  // namespace vcq::ui
