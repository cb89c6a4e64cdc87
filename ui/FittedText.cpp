#include "ui/FittedText.h"

#include <QFontMetrics>
#include <algorithm>

namespace vcq::ui {

void PlaceText(QLabel* l, const QRect& room) {
  l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  l->setGeometry(room);
}

FittedLabel::FittedLabel(const QString& text, QWidget* parent, const QFont& font, QPoint at,
                         int maxWidth)
    : QLabel(text, parent), maxWidth_(maxWidth) {
  setFont(font);
  // Its room until the first paint sizes it to its text.
  setGeometry(QRect(at, QSize(maxWidth, 2 * font.pixelSize())));
}

void FittedLabel::Fit() {
  if (fitted_) return;
  fitted_ = true;
  // The widest stretch from 100 down to 50, in steps of 2, at which the text
  // fits; 50 when none does. Every stretch is a font engine of its own to
  // load, so the search starts where the width at 100 says the answer lies
  // (the advance grows with the stretch) instead of trying each step.
  QFont f = font();
  auto fits = [&](int stretch) {
    f.setStretch(stretch);
    return QFontMetrics(f).horizontalAdvance(text()) <= maxWidth_;
  };
  f.setStretch(100);
  const int full = QFontMetrics(f).horizontalAdvance(text());
  if (full > maxWidth_) {
    int stretch = full > 0 ? std::clamp(maxWidth_ * 100 / full / 2 * 2, 50, 100) : 50;
    while (stretch < 100 && fits(stretch + 2)) stretch += 2;
    while (stretch > 50 && !fits(stretch)) stretch -= 2;
    f.setStretch(stretch);
    setFont(f);
  }
  adjustSize();
}

void FittedLabel::paintEvent(QPaintEvent* e) {
  Fit();
  QLabel::paintEvent(e);
}

}  // namespace vcq::ui
