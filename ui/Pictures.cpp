#include "ui/Pictures.h"

#include <QEvent>
#include <QPushButton>

namespace vcq::ui {

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
  new IconWhenShown(b, icon);  // owned by the button
}

}  // namespace vcq::ui
