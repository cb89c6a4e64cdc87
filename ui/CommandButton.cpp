#include "ui/CommandButton.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPainter>

namespace vcq::ui {

namespace {
constexpr int kSide = 36;
constexpr int kPicture = 32;
}  // namespace

CommandButton::CommandButton(QWidget* parent, const QString& picture, const QString& hint)
    : QWidget(parent) {
  resize(kSide, kSide);
  setToolTip(hint);
  auto* img = new QLabel(this);
  img->setGeometry((kSide - kPicture) / 2, (kSide - kPicture) / 2, kPicture, kPicture);
  img->setAlignment(Qt::AlignCenter);
  img->setPixmap(QPixmap(picture));  // a missing picture leaves the panel plain
  img->setAttribute(Qt::WA_TransparentForMouseEvents);
}

void CommandButton::SetLabels(const QLabel* key, const QLabel* caption) {
  key_ = key;
  caption_ = caption;
}

QString CommandButton::AccessibleName() const {
  QStringList parts;
  for (const QLabel* l : {key_.data(), caption_.data()})
    if (l && !l->text().isEmpty()) parts << l->text();
  return parts.isEmpty() ? toolTip() : parts.join(' ');
}

void CommandButton::paintEvent(QPaintEvent*) {
  // A raised edge, sunk while the mouse button is held on it.
  QPainter p(this);
  const QRect r = rect();
  const QColor face = palette().color(QPalette::Window);
  p.fillRect(r, face);
  const QColor light = pressed_ ? face.darker(160) : face.lighter(150);
  const QColor dark = pressed_ ? face.lighter(150) : face.darker(160);
  p.setPen(light);
  p.drawLine(r.topLeft(), r.topRight());
  p.drawLine(r.topLeft(), r.bottomLeft());
  p.setPen(dark);
  p.drawLine(r.bottomLeft(), r.bottomRight());
  p.drawLine(r.topRight(), r.bottomRight());
}

void CommandButton::mousePressEvent(QMouseEvent* e) {
  if (e->button() != Qt::LeftButton) return;
  pressed_ = true;
  update();
}

void CommandButton::mouseReleaseEvent(QMouseEvent* e) {
  if (e->button() != Qt::LeftButton || !pressed_) return;
  pressed_ = false;
  update();
  if (rect().contains(e->position().toPoint()) && onClick) onClick();
}

}  // namespace vcq::ui
