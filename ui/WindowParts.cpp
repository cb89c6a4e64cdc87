#include "ui/WindowParts.h"

#include <QLabel>

#include "app/MainWindow.h"
#include "ui/Mirror.h"

namespace vcq::ui {

namespace {

// The main window's frame: its outer size around its client area.
constexpr int kFrameWidth = 600 - kMainClientWidth;
constexpr int kFrameHeight = 450 - kMainClientHeight;

}  // namespace

QSize ClientSizeOf(const Control& form) {
  return {form.Width - kFrameWidth, form.Height - kFrameHeight};
}

CaptionPanel::CaptionPanel(QWidget* parent) : CommandButton(parent, QString(), QString()) {
  caption_ = new QLabel(this);
  caption_->setAlignment(Qt::AlignCenter);
  caption_->setAttribute(Qt::WA_TransparentForMouseEvents);
}

void CaptionPanel::Mirror(const Control& c) {
  SetText(caption_, c.Caption);
  SetPlace(this, c);
  SetBackground(this, c.Color);
  SetTextColor(caption_, c.FontColor);
  if (c.FontSize > 0 && caption_->font().pixelSize() != c.FontSize) {
    QFont f = caption_->font();
    f.setPixelSize(c.FontSize);
    caption_->setFont(f);
  }
  setVisible(c.Visible);
}

void CaptionPanel::resizeEvent(QResizeEvent* e) {
  // Inside the raised edge.
  caption_->setGeometry(rect().adjusted(1, 1, -1, -1));
  CommandButton::resizeEvent(e);
}

void FollowVisible(QWidget* w, bool visible, QWidget* owner) {
  if (visible == w->isVisible()) return;
  if (visible) {
    CentreOnScreen(w);
    w->show();
    w->raise();
    w->activateWindow();
    return;
  }
  const bool hadKeys = w->isActiveWindow();
  w->hide();
  if (hadKeys && owner && owner->isVisible()) owner->activateWindow();
}

}  // namespace vcq::ui
