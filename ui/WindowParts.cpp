#include "ui/WindowParts.h"

#include <QGuiApplication>
#include <QLabel>
#include <QScreen>

#include "app/MainWindow.h"

namespace vcq::ui {

namespace {

// The main window's frame: its outer size around its client area.
constexpr int kFrameWidth = 600 - kMainClientWidth;
constexpr int kFrameHeight = 450 - kMainClientHeight;

}  // namespace

QSize ClientSizeOf(const Control& form) {
  return {form.Width - kFrameWidth, form.Height - kFrameHeight};
}

void CentreOnScreen(QWidget* w) {
  const QScreen* screen = QGuiApplication::primaryScreen();
  if (!screen) return;
  QRect r(QPoint(), w->size());
  r.moveCenter(screen->availableGeometry().center());
  w->move(r.topLeft());
}

CaptionPanel::CaptionPanel(QWidget* parent) : CommandButton(parent, QString(), QString()) {
  caption_ = new QLabel(this);
  caption_->setAlignment(Qt::AlignCenter);
  caption_->setAttribute(Qt::WA_TransparentForMouseEvents);
}

void CaptionPanel::resizeEvent(QResizeEvent* e) {
  // Inside the raised edge.
  caption_->setGeometry(rect().adjusted(1, 1, -1, -1));
  CommandButton::resizeEvent(e);
}

void MirrorCaptionPanel(MirrorList& list, CaptionPanel* p, const Control& c) {
  using namespace mirror;
  list.Add(p, c, kPlace | kBackground | kVisible);
  list.Add(p->caption(), c, kCaption | kTextColor | kFontSize);
}

}  // namespace vcq::ui
