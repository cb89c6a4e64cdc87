#include "ui/StudyRangeView.h"

#include <QLabel>
#include <QPushButton>

#include "screens/StudyRange.h"
#include "ui/Fonts.h"
#include "ui/TextConversion.h"
#include "ui/WindowParts.h"

namespace vcq::ui {

StudyRangeView::StudyRangeView(QWidget* owner, TfrmSel& core, Guard guard)
    : SecondaryWindow(owner, "frmSel", core.form, Size::kOuter, std::move(guard),
                      [&core] { core.FormClose(); }),
      core_(core) {
  using namespace mirror;
  const TfrmSel& f = core_;
  setFont(PixelFont(family::kPGothic, 12));
  // The window takes every key itself (its keys are previewed by the form):
  // no control inside can hold the focus.
  setFocusPolicy(Qt::StrongFocus);

  for (int i = 0; i < 20; ++i) {
    auto* p = new CaptionPanel(this);
    p->setObjectName(QStringLiteral("pnl%1").arg(i));
    p->onClick = [this, i] { guard_([&] { core_.pnlClick(i); }); };
    MirrorCaptionPanel(mirrors_, p, f.pnl[i]);
    auto* key = new QLabel(p);
    key->setObjectName(QStringLiteral("lblKey%1").arg(i));
    key->setAlignment(Qt::AlignCenter);
    key->setAttribute(Qt::WA_TransparentForMouseEvents);
    mirrors_.Add(key, f.lblKey[i], kText | kBackground);
  }

  auto* label1 = new QLabel(this);
  label1->setObjectName("Label1");
  label1->setWordWrap(true);
  label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  SetPlace(label1, f.Label1);
  mirrors_.Add(label1, f.Label1, kCaption);

  auto button = [this](const char* name, const Control& c, void (TfrmSel::*click)()) {
    auto* b = new QPushButton(this);
    b->setObjectName(name);
    SetPlace(b, c);
    b->setAutoDefault(false);
    connect(b, &QPushButton::clicked, this, [this, click] { guard_([&] { (core_.*click)(); }); });
    mirrors_.Add(b, c, kCaption);
    return b;
  };
  button("btnOn", f.btnOn, &TfrmSel::btnOnClick);
  button("btnOf", f.btnOf, &TfrmSel::btnOfClick);
  QPushButton* ok = button("btnOk", f.btnOk, &TfrmSel::btnOkClick);
  // Drawn as the default button; Enter reaches it through the window's keys.
  ok->setDefault(true);

  for (QWidget* w : findChildren<QWidget*>()) w->setFocusPolicy(Qt::NoFocus);
  Sync();
}

void StudyRangeView::Sync() {
  SyncFrame();
}

void StudyRangeView::keyPressEvent(QKeyEvent* e) {
  ForwardKey(e, core_);
}

}  // namespace vcq::ui
