#include "ui/StartPanView.h"

#include <QLabel>

#include "app/StartPan.h"
#include "ui/Fonts.h"
#include "ui/Mirror.h"

namespace vcq::ui {

StartPanView::StartPanView(QWidget* owner, const TfrmStartPan& form, const QString& pictureDir)
    : QWidget(owner, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint), form_(form) {
  setObjectName("frmStartPan");
  setFixedSize(224, 72);
  // The main window keeps the keyboard: its commands work while this shows.
  setAttribute(Qt::WA_ShowWithoutActivating);
  setFont(PixelFont(family::kPGothic, 12));

  auto* img = new QLabel(this);
  img->setObjectName("Image1");
  img->setGeometry(17, 11, 36, 34);
  img->setPixmap(QPixmap(pictureDir + "/splash.png"));

  auto* esper = new QLabel(QStringLiteral("Vocara Quick"), this);
  esper->setObjectName("lblEsper");
  esper->setFont(PixelFont(family::kPMincho, 21));
  esper->move(71, 17);
  FitWidth(esper, 173 - 71 - 2);  // clear of lblVer

  auto* ver = new QLabel(QStringLiteral("Ver 1.0"), this);
  ver->setObjectName("lblVer");
  ver->move(173, 26);
  ver->adjustSize();

  auto* hand = new QLabel(QStringLiteral("心をこめて作りました"), this);
  hand->setObjectName("lblHand");
  hand->move(52, 50);
  hand->adjustSize();
  CentreOnScreen(this);
}

void StartPanView::Sync() {
  const QString title = Qs(form_.form.Caption);
  if (windowTitle() != title) setWindowTitle(title);
  SetBackground(this, form_.form.Color);
  setVisible(form_.form.Visible);
}

}  // namespace vcq::ui
