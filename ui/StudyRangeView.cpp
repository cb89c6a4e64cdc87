#include "ui/StudyRangeView.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

#include "app/MainWindow.h"
#include "app/Program.h"
#include "ui/Fonts.h"
#include "ui/KeyTranslation.h"
#include "ui/TextConversion.h"
#include "ui/WindowParts.h"

namespace vcq::ui {

namespace {

// Right of the lesson panels (which end at 144): the hint and the buttons,
// all within the ten-panel height of the window.
constexpr int kSideLeft = 152;
constexpr int kSideWidth = 142;

}  // namespace

StudyRangeView::StudyRangeView(QWidget* owner, Program& app)
    : SecondaryWindow(owner, "frmSel", app.frmSel.form, Size::kOuter,
                      [&app] { app.Guard([&] { app.frmSel.FormClose(); }); }),
      app_(app) {
  using namespace mirror;
  const TfrmSel& f = app.frmSel;
  setFont(PixelFont(family::kPGothic, 12));
  // The window takes every key itself (its keys are previewed by the form):
  // no control inside can hold the focus.
  setFocusPolicy(Qt::StrongFocus);

  for (int i = 0; i < 20; ++i) {
    auto* p = new CaptionPanel(this);
    p->setObjectName(QStringLiteral("pnl%1").arg(i));
    p->onClick = [this, i] { app_.Guard([&] { app_.frmSel.pnlClick(i); }); };
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
  label1->setGeometry(kSideLeft, 8, kSideWidth, 58);
  mirrors_.Add(label1, f.Label1, kCaption);

  auto button = [this](const char* name, QRect place, const Control& c, void (TfrmSel::*click)()) {
    auto* b = new QPushButton(this);
    b->setObjectName(name);
    b->setGeometry(place);
    b->setAutoDefault(false);
    connect(b, &QPushButton::clicked, this,
            [this, click] { app_.Guard([&] { (app_.frmSel.*click)(); }); });
    mirrors_.Add(b, c, kCaption);
    return b;
  };
  button("btnOn", {kSideLeft, 72, 68, 25}, f.btnOn, &TfrmSel::btnOnClick);
  button("btnOf", {kSideLeft + kSideWidth - 68, 72, 68, 25}, f.btnOf, &TfrmSel::btnOfClick);
  QPushButton* ok = button("btnOk", {kSideLeft + (kSideWidth - 75) / 2, 103, 75, 25}, f.btnOk,
                           &TfrmSel::btnOkClick);
  // Drawn as the default button; Enter reaches it through the window's keys.
  ok->setDefault(true);

  for (QWidget* w : findChildren<QWidget*>()) w->setFocusPolicy(Qt::NoFocus);
  Sync();
}

void StudyRangeView::Sync() {
  SyncFrame();
}

void StudyRangeView::keyPressEvent(QKeyEvent* e) {
  const KeyStroke k = TranslateKey(*e);
  if (k.vk != 0) app_.Guard([&] { app_.frmSel.FormKeyDown(k.vk); });
  // The character goes to the window that still has the keys: not to this
  // one if the key closed it.
  if (k.typed && app_.frmSel.form.Visible) app_.Guard([&] { app_.frmSel.FormKeyPress(*k.typed); });
  e->accept();
}

}  // namespace vcq::ui
