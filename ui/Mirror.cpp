#include "ui/Mirror.h"

#include <QEvent>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QWidget>
#include <algorithm>
#include <unordered_map>

#include "data/Cp932.h"
#include "platform/Error.h"

namespace vcq::ui {

QString Qs(const std::string& cp932) {
  // ASCII (numbers, answers, most sentences) needs no converter.
  if (std::all_of(cp932.begin(), cp932.end(),
                  [](char c) { return static_cast<unsigned char>(c) < 0x80; }))
    return QString::fromLatin1(cp932.data(), static_cast<qsizetype>(cp932.size()));
  // The views mirror every caption after every event and few captions
  // change: each Japanese text goes through the converter once, not at
  // every sync. Bounded, as the questions' texts keep coming.
  constexpr std::size_t kMaxConverted = 256;
  static std::unordered_map<std::string, QString> converted;
  if (auto it = converted.find(cp932); it != converted.end()) return it->second;
  if (converted.size() >= kMaxConverted) converted.clear();
  return converted.emplace(cp932, QString::fromStdString(ToUtf8(cp932))).first->second;
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

namespace {

// Sets the icon on the button's first Show event, then goes.
class IconWhenShown : public QObject {
 public:
  IconWhenShown(QPushButton* b, QStyle::StandardPixmap icon) : QObject(b), icon_(icon) {
    b->installEventFilter(this);
  }
  bool eventFilter(QObject* watched, QEvent* e) override {
    if (e->type() == QEvent::Show) {
      auto* b = static_cast<QPushButton*>(watched);
      b->removeEventFilter(this);
      b->setIcon(b->style()->standardIcon(icon_));
      deleteLater();
    }
    return false;
  }

 private:
  QStyle::StandardPixmap icon_;
};

}  // namespace

void SetStandardIconWhenShown(QPushButton* b, QStyle::StandardPixmap icon) {
  new IconWhenShown(b, icon);
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
