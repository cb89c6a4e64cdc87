#include "ui/StudyRangeView.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

#include "app/MainWindow.h"
#include "app/Program.h"
#include "ui/Fonts.h"
#include "ui/KeyTranslation.h"
#include "ui/Mirror.h"

namespace vcq::ui {

namespace {

// Right of the lesson panels (which end at 144): the hint and the buttons,
// all within the ten-panel height of the window.
constexpr int kSideLeft = 152;
constexpr int kSideWidth = 142;

void SetButtonText(QPushButton* b, const std::string& cp932) {
  const QString s = Qs(cp932);
  if (b->text() != s) b->setText(s);
}

}  // namespace

StudyRangeView::StudyRangeView(QWidget* owner, Program& app)
    : QWidget(owner, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                         Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      app_(app),
      owner_(owner) {
  setObjectName("frmSel");
  setFont(PixelFont(family::kPGothic, 12));
  // The window takes every key itself (its keys are previewed by the form):
  // no control inside can hold the focus.
  setFocusPolicy(Qt::StrongFocus);

  for (int i = 0; i < 20; ++i) {
    auto* p = new CaptionPanel(this);
    p->setObjectName(QStringLiteral("pnl%1").arg(i));
    p->onClick = [this, i] { app_.Guard([&] { app_.frmSel.pnlClick(i); }); };
    pnl_[i] = p;
    auto* key = new QLabel(p);
    key->setObjectName(QStringLiteral("lblKey%1").arg(i));
    key->setAlignment(Qt::AlignCenter);
    key->setAttribute(Qt::WA_TransparentForMouseEvents);
    lblKey_[i] = key;
  }

  label1_ = new QLabel(this);
  label1_->setObjectName("Label1");
  label1_->setWordWrap(true);
  label1_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  label1_->setGeometry(kSideLeft, 8, kSideWidth, 58);

  auto button = [this](const char* name, QRect place, void (TfrmSel::*click)()) {
    auto* b = new QPushButton(this);
    b->setObjectName(name);
    b->setGeometry(place);
    b->setAutoDefault(false);
    connect(b, &QPushButton::clicked, this,
            [this, click] { app_.Guard([&] { (app_.frmSel.*click)(); }); });
    return b;
  };
  btnOn_ = button("btnOn", {kSideLeft, 72, 68, 25}, &TfrmSel::btnOnClick);
  btnOf_ = button("btnOf", {kSideLeft + kSideWidth - 68, 72, 68, 25}, &TfrmSel::btnOfClick);
  btnOk_ = button("btnOk", {kSideLeft + (kSideWidth - 75) / 2, 103, 75, 25}, &TfrmSel::btnOkClick);
  // Drawn as the default button; Enter reaches it through the window's keys.
  btnOk_->setDefault(true);

  for (QWidget* w : findChildren<QWidget*>()) w->setFocusPolicy(Qt::NoFocus);
  Sync();
}

void StudyRangeView::Sync() {
  const TfrmSel& f = app_.frmSel;
  const QString title = Qs(f.form.Caption);
  if (windowTitle() != title) setWindowTitle(title);
  SetBackground(this, f.form.Color);
  const QSize client = ClientSizeOf(f.form);
  if (size() != client) setFixedSize(client);
  for (std::size_t i = 0; i < pnl_.size(); ++i) {
    pnl_[i]->Mirror(f.pnl[i]);
    MirrorLabel(lblKey_[i], f.lblKey[i], true);
  }
  SetText(label1_, f.Label1.Caption);
  SetButtonText(btnOn_, f.btnOn.Caption);
  SetButtonText(btnOf_, f.btnOf.Caption);
  SetButtonText(btnOk_, f.btnOk.Caption);
  FollowVisible(this, f.form.Visible, owner_);
}

void StudyRangeView::keyPressEvent(QKeyEvent* e) {
  const KeyStroke k = TranslateKey(*e);
  if (k.vk != 0) app_.Guard([&] { app_.frmSel.FormKeyDown(k.vk); });
  // The character goes to the window that still has the keys: not to this
  // one if the key closed it.
  if (k.typed && app_.frmSel.form.Visible) app_.Guard([&] { app_.frmSel.FormKeyPress(*k.typed); });
  e->accept();
}

void StudyRangeView::closeEvent(QCloseEvent* e) {
  if (app_.frmSel.form.Visible) app_.Guard([&] { app_.frmSel.FormClose(); });
  if (app_.frmSel.form.Visible)
    e->ignore();
  else
    e->accept();
}

}  // namespace vcq::ui
