#include "ui/CongratulationsView.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPushButton>

#include "app/Program.h"
#include "ui/Fonts.h"
#include "ui/Mirror.h"

namespace vcq::ui {

CongratulationsView::CongratulationsView(QWidget* owner, Program& app, const QString& pictureDir)
    : QWidget(owner, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                         Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      app_(app),
      owner_(owner) {
  const TfrmOmedeto& f = app.frmOmedeto;
  setObjectName("frmOmedeto");
  setFixedSize(f.form.Width, f.form.Height);
  setFont(PixelFont(family::kPMincho, f.form.FontSize));

  frames_[0] = LazyPixmap(pictureDir + "/omedeto.bmp");
  for (int i = 1; i <= kOmedetoFrames; ++i)
    frames_[i] = LazyPixmap(pictureDir + QStringLiteral("/om%1.jpg").arg(i));

  imgOyaji_ = new QLabel(this);
  imgOyaji_->setObjectName("imgOyaji");
  imgOyaji_->setGeometry(f.imgOyaji.Left, f.imgOyaji.Top, f.imgOyaji.Width, f.imgOyaji.Height);

  label1_ = new QLabel(this);
  label1_->setObjectName("Label1");
  label1_->setFont(PixelFont(family::kPMincho, f.Label1.FontSize));
  label1_->move(f.Label1.Left, f.Label1.Top);

  btnOk_ = new QPushButton(this);
  btnOk_->setObjectName("btnOk");
  btnOk_->setFont(PixelFont(family::kGothic, f.btnOk.FontSize));
  btnOk_->setGeometry(f.btnOk.Left, f.btnOk.Top, f.btnOk.Width, f.btnOk.Height);
  // Enter and Space press it, as the window's only button.
  btnOk_->setAutoDefault(true);
  connect(btnOk_, &QPushButton::clicked, this,
          [this] { app_.Guard([&] { app_.frmOmedeto.btnOkClick(); }); });
  Sync();
}

void CongratulationsView::Sync() {
  const TfrmOmedeto& f = app_.frmOmedeto;
  const QString title = Qs(f.form.Caption);
  if (windowTitle() != title) setWindowTitle(title);
  SetBackground(this, f.form.Color);

  // The dance runs on while the window is hidden; its frames are read and
  // shown only while the window is up.
  const int picture = f.Picture();
  if (f.form.Visible && picture != shown_ && picture >= 0 &&
      picture < static_cast<int>(frames_.size())) {
    imgOyaji_->setPixmap(frames_[picture].Get());
    shown_ = picture;
  }
  SetText(label1_, f.Label1.Caption);
  SetTextColor(label1_, f.Label1.FontColor);
  // Sized (its text measured, its font loaded) only when the window is up.
  if (f.form.Visible) label1_->adjustSize();
  const QString ok = Qs(f.btnOk.Caption);
  if (btnOk_->text() != ok) btnOk_->setText(ok);

  if (f.form.Visible == isVisible()) return;
  if (f.form.Visible) {
    CentreOnScreen(this);
    show();
    activateWindow();
    btnOk_->setFocus();
    return;
  }
  hide();
  // The keys go back to the drill screen if it is still up.
  if (owner_ && owner_->isVisible()) owner_->activateWindow();
}

void CongratulationsView::closeEvent(QCloseEvent* e) {
  if (app_.frmOmedeto.form.Visible) app_.Guard([&] { app_.frmOmedeto.btnOkClick(); });
  e->accept();
}

}  // namespace vcq::ui
