// Copying core control state onto widgets. The core keeps text as CP932
// bytes; here it becomes a QString, and back only where the learner types.
#pragma once

#include <QColor>
#include <QFont>
#include <QPixmap>
#include <QString>
#include <QStyle>
#include <string>

#include "platform/Control.h"

class QWidget;
class QLabel;
class QPushButton;

namespace vcq::ui {

QString Qs(const std::string& cp932);
// The learner's text as CP932; characters that code page has no form for are
// dropped, so whatever was typed or pasted still reaches the window.
std::string Cp932Of(const QString& text);

inline QColor Qc(Rgb c) {
  return QColor(c.r, c.g, c.b);
}

// A font by the family the layout names (substituted at start-up) and a size
// in pixels, as the layout gives it.
QFont PixelFont(const char* family, int pixels);

// Each setter only touches the widget when the value differs, so that a sync
// after every event costs nothing when little changed.
void SetBackground(QWidget* w, Rgb c);
void SetTextColor(QWidget* w, Rgb c);
void SetText(QLabel* l, const std::string& cp932);
void SetPlace(QWidget* w, const Control& c);

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

// Places a top-level window of fixed size in the middle of the screen.
void CentreOnScreen(QWidget* w);

// The caption, colours, place and visibility of a label (or panel drawn as a
// label) from its control. A zero width leaves the widget's place alone.
void MirrorLabel(QLabel* l, const Control& c, bool withBackground);

}  // namespace vcq::ui
