#include "ui/SplashView.h"

#include <QLabel>

#include "app/Splash.h"
#include "ui/FittedText.h"
#include "ui/Fonts.h"
#include "ui/Mirroring.h"
#include "ui/TextConversion.h"
#include "ui/WindowParts.h"

namespace vcq::ui {

SplashView::SplashView(QWidget* owner, const TfrmStartPan& form, const QString& pictureDir)
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

  // Clear of lblVer.
  auto* esper = new FittedLabel(QStringLiteral("Vocara Quick"), this,
                                PixelFont(family::kPMincho, 21), {71, 17}, 173 - 71 - 2);
  esper->setObjectName("lblEsper");

  // Both texts end well inside the window, which is their room.
  auto* ver = new QLabel(QStringLiteral("Ver 1.0"), this);
  ver->setObjectName("lblVer");
  PlaceText(ver, QRect(173, 26, 224 - 173, 72 - 26));

  auto* hand = new QLabel(QStringLiteral("心をこめて作りました"), this);
  hand->setObjectName("lblHand");
  PlaceText(hand, QRect(52, 50, 224 - 52, 72 - 50));
  CentreOnScreen(this);
}

void SplashView::Sync() {
  const QString title = Qs(form_.form.Caption);
  if (windowTitle() != title) setWindowTitle(title);
  SetBackground(this, form_.form.Color);
  setVisible(form_.form.Visible);
}

}  // namespace vcq::ui
