#include "ui/SecondaryWindow.h"

#include <QCloseEvent>

#include "ui/TextConversion.h"
#include "ui/WindowParts.h"

namespace vcq::ui {

SecondaryWindow::SecondaryWindow(QWidget* owner, const char* name, const Control& form, Size size,
                                 Guard guard, std::function<void()> close)
    : QWidget(owner, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                         Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      owner_(owner),
      guard_(std::move(guard)),
      form_(form),
      size_(size),
      close_(std::move(close)) {
  setObjectName(name);
  mirrors_.Add(this, form, mirror::kFrame);
}

void SecondaryWindow::SyncFrame() {
  const QSize client =
      size_ == Size::kOuter ? ClientSizeOf(form_) : QSize(form_.Width, form_.Height);
  if (size() != client) setFixedSize(client);
  mirrors_.Sync(form_.Visible);

  const bool visible = form_.Visible;
  if (visible == isVisible()) return;
  if (visible) {
    CentreOnScreen(this);
    show();
    raise();
    activateWindow();
    OnShown();
    return;
  }
  const bool hadKeys = isActiveWindow();
  hide();
  if ((hadKeys || keysBackAlways_) && owner_ && owner_->isVisible()) owner_->activateWindow();
}

void SecondaryWindow::closeEvent(QCloseEvent* e) {
  if (form_.Visible) guard_(close_);
  if (form_.Visible)
    e->ignore();
  else
    e->accept();
}

}  // namespace vcq::ui
