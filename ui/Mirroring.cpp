#include "ui/Mirroring.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QWidget>

#include "ui/Contrast.h"
#include "ui/TextConversion.h"

namespace vcq::ui {

void SetBackground(QWidget* w, Rgb c) {
  if (w->autoFillBackground() && w->palette().color(QPalette::Window) == Qc(c)) return;
  QPalette p = w->palette();
  p.setColor(QPalette::Window, Qc(c));
  w->setPalette(p);
  w->setAutoFillBackground(true);
}

void SetTextColor(QWidget* w, Rgb c) {
  const QColor text = HighContrast() ? Readable(Qc(c), BackgroundBehind(w)) : Qc(c);
  if (w->palette().color(QPalette::WindowText) == text) return;
  QPalette p = w->palette();
  p.setColor(QPalette::WindowText, text);
  p.setColor(QPalette::Text, text);
  w->setPalette(p);
}

void SetText(QWidget* w, const std::string& cp932) {
  const QString s = Qs(cp932);
  if (auto* l = qobject_cast<QLabel*>(w)) {
    if (l->text() != s) l->setText(s);
  } else if (auto* b = qobject_cast<QAbstractButton*>(w)) {
    if (b->text() != s) b->setText(s);
  } else if (auto* g = qobject_cast<QGroupBox*>(w)) {
    if (g->title() != s) g->setTitle(s);
  }
}

void SetTitle(QWidget* w, const std::string& cp932) {
  const QString s = Qs(cp932);
  if (w->windowTitle() != s) w->setWindowTitle(s);
}

QRect PlaceOf(const Control& c) {
  return QRect(c.Left, c.Top, c.Width, c.Height);
}

void SetPlace(QWidget* w, const Control& c) {
  if (c.Width <= 0 || c.Height <= 0) return;
  const QRect r = PlaceOf(c);
  if (w->geometry() != r) w->setGeometry(r);
}

void SetFontSize(QWidget* w, int pixels) {
  if (pixels <= 0 || w->font().pixelSize() == pixels) return;
  QFont f = w->font();
  f.setPixelSize(pixels);
  w->setFont(f);
}

void MirrorList::Sync(bool shown) const {
  using namespace mirror;
  for (const Mirrored& m : entries_) {
    const Control& c = *m.control;
    if (m.aspects & kPlace) SetPlace(m.widget, c);
    if (m.aspects & kBackground) SetBackground(m.widget, c.Color);
    if (m.aspects & kCaption) SetText(m.widget, c.Caption);
    if (m.aspects & kTitle) SetTitle(m.widget, c.Caption);
    if (m.aspects & kTextColor) SetTextColor(m.widget, c.FontColor);
    if (m.aspects & kFontSize) SetFontSize(m.widget, c.FontSize);
    if (!shown) continue;
    if ((m.aspects & kFitText) && c.Width <= 0 && m.widget->size() != m.widget->sizeHint())
      m.widget->adjustSize();
    if (m.aspects & kVisible) m.widget->setVisible(c.Visible);
  }
}

}  // namespace vcq::ui
