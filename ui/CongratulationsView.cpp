#include "ui/CongratulationsView.h"

#include <QLabel>
#include <QPushButton>

#include "ui/Fonts.h"

namespace vcq::ui {

CongratulationsView::CongratulationsView(QWidget* owner, TfrmOmedeto& core, Guard guard,
                                         const QString& pictureDir)
    : SecondaryWindow(owner, "frmOmedeto", core.form, Size::kClient, std::move(guard),
                      [&core] { core.btnOkClick(); }),
      core_(core) {
  using namespace mirror;
  const TfrmOmedeto& f = core_;
  // The keys go back to the drill screen whenever it is still up.
  keysBackAlways_ = true;
  setFont(PixelFont(family::kPMincho, f.form.FontSize));

  frames_[0] = LazyPixmap(pictureDir + "/omedeto.bmp");
  for (int i = 1; i <= kOmedetoFrames; ++i)
    frames_[i] = LazyPixmap(pictureDir + QStringLiteral("/om%1.jpg").arg(i));

  imgOyaji_ = new QLabel(this);
  imgOyaji_->setObjectName("imgOyaji");
  mirrors_.Add(imgOyaji_, f.imgOyaji, kPlace);

  auto* label1 = new QLabel(this);
  label1->setObjectName("Label1");
  label1->setFont(PixelFont(family::kPMincho, f.Label1.FontSize));
  label1->move(f.Label1.Left, f.Label1.Top);
  // Sized (its text measured, its font loaded) only when the window is up.
  mirrors_.Add(label1, f.Label1, kCaption | kTextColor | kFontSize | kFitText);

  auto* ok = new QPushButton(this);
  ok->setObjectName("btnOk");
  ok->setFont(PixelFont(family::kGothic, f.btnOk.FontSize));
  mirrors_.Add(ok, f.btnOk, kPlace | kCaption | kFontSize);
  // Enter and Space press it, as the window's only button.
  ok->setAutoDefault(true);
  btnOk_ = ok;
  connect(ok, &QPushButton::clicked, this, [this] { guard_([&] { core_.btnOkClick(); }); });
  Sync();
}

void CongratulationsView::Sync() {
  const TfrmOmedeto& f = core_;
  // The dance runs on while the window is hidden; its frames are read and
  // shown only while the window is up.
  const int picture = f.Picture();
  if (f.form.Visible && picture != shown_ && picture >= 0 &&
      picture < static_cast<int>(frames_.size())) {
    imgOyaji_->setPixmap(frames_[picture].Get());
    shown_ = picture;
  }
  SyncFrame();
}

void CongratulationsView::OnShown() {
  btnOk_->setFocus();
}

}  // namespace vcq::ui
