#include "ui/Contrast.h"

#include <QWidget>
#include <cmath>

namespace vcq::ui {

namespace {

bool highContrast = false;

double Channel(int c) {
  const double s = c / 255.0;
  return s <= 0.03928 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
}

double Luminance(const QColor& c) {
  return 0.2126 * Channel(c.red()) + 0.7152 * Channel(c.green()) + 0.0722 * Channel(c.blue());
}

}  // namespace

bool HighContrast() {
  return highContrast;
}

void SetHighContrast(bool on) {
  highContrast = on;
}

double ContrastRatio(const QColor& a, const QColor& b) {
  const double la = Luminance(a);
  const double lb = Luminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor Readable(const QColor& text, const QColor& background) {
  if (ContrastRatio(text, background) >= 4.5) return text;
  const QColor black(Qt::black), white(Qt::white);
  return ContrastRatio(black, background) >= ContrastRatio(white, background) ? black : white;
}

QColor BackgroundBehind(const QWidget* w) {
  for (; w; w = w->parentWidget())
    if (w->autoFillBackground() || w->isWindow()) return w->palette().color(QPalette::Window);
  return Qt::white;
}

}  // namespace vcq::ui
