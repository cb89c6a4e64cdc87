#include "ui/Mirror.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QWidget>

#include "data/Cp932.h"
#include "platform/Error.h"

namespace vcq::ui {

QString Qs(const std::string& cp932) {
  return QString::fromStdString(ToUtf8(cp932));
}

std::string Cp932Of(const QString& text) {
  try {
    return ToCp932(text.toStdString());
  } catch (const Error&) {
  }
  // Slow path, one character at a time, only when something has no CP932 form.
  std::string out;
  for (qsizetype i = 0; i < text.size();) {
    const qsizetype n = text.at(i).isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
    try {
      out += ToCp932(text.mid(i, n).toStdString());
    } catch (const Error&) {
    }
    i += n;
  }
  return out;
}

QFont PixelFont(const char* family, int pixels) {
  QFont f(QString::fromUtf8(family));
  f.setPixelSize(pixels);
  return f;
}

void SetBackground(QWidget* w, Rgb c) {
  if (w->autoFillBackground() && w->palette().color(QPalette::Window) == Qc(c)) return;
  QPalette p = w->palette();
  p.setColor(QPalette::Window, Qc(c));
  w->setPalette(p);
  w->setAutoFillBackground(true);
}

void SetTextColor(QWidget* w, Rgb c) {
  if (w->palette().color(QPalette::WindowText) == Qc(c)) return;
  QPalette p = w->palette();
  p.setColor(QPalette::WindowText, Qc(c));
  p.setColor(QPalette::Text, Qc(c));
  w->setPalette(p);
}

void SetText(QLabel* l, const std::string& cp932) {
  const QString s = Qs(cp932);
  if (l->text() != s) l->setText(s);
}

void SetPlace(QWidget* w, const Control& c) {
  if (c.Width <= 0 || c.Height <= 0) return;
  const QRect r(c.Left, c.Top, c.Width, c.Height);
  if (w->geometry() != r) w->setGeometry(r);
}

void FitWidth(QLabel* l, int maxWidth) {
  QFont f = l->font();
  for (int stretch = 100; stretch >= 50; stretch -= 2) {
    f.setStretch(stretch);
    if (QFontMetrics(f).horizontalAdvance(l->text()) <= maxWidth) break;
  }
  if (f.stretch() != 100) l->setFont(f);
  l->adjustSize();
}

void CentreOnScreen(QWidget* w) {
  const QScreen* screen = QGuiApplication::primaryScreen();
  if (!screen) return;
  QRect r(QPoint(), w->size());
  r.moveCenter(screen->availableGeometry().center());
  w->move(r.topLeft());
}

void MirrorLabel(QLabel* l, const Control& c, bool withBackground) {
  SetText(l, c.Caption);
  SetPlace(l, c);
  if (withBackground) SetBackground(l, c.Color);
  SetTextColor(l, c.FontColor);
  if (c.FontSize > 0 && l->font().pixelSize() != c.FontSize) {
    QFont f = l->font();
    f.setPixelSize(c.FontSize);
    l->setFont(f);
  }
  l->setVisible(c.Visible);
}

}  // namespace vcq::ui
