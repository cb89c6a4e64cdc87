#include "ui/OptionsView.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QFrame>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>

#include "app/Program.h"
#include "ui/Fonts.h"
#include "ui/KeyTranslation.h"
#include "ui/Mirror.h"
#include "ui/WindowParts.h"

namespace vcq::ui {

namespace {

void SetButtonText(QAbstractButton* b, const std::string& cp932) {
  const QString s = Qs(cp932);
  if (b->text() != s) b->setText(s);
}

}  // namespace

OptionsView::OptionsView(QWidget* owner, Program& app)
    : QWidget(owner, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                         Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      app_(app),
      owner_(owner) {
  setObjectName("frmOption");
  setFont(PixelFont(family::kPGothic, 12));
  // Keys are previewed by the form: the window takes them all itself.
  setFocusPolicy(Qt::StrongFocus);

  group1_ = NewGroup("RadioGroup1", {8, 4, 200, 64}, &TfrmOption::RadioGroup1Click);
  group2_ = NewGroup("RadioGroup2", {8, 72, 200, 64}, &TfrmOption::RadioGroup2Click);

  auto* panel1 = new QFrame(this);
  panel1->setObjectName("Panel1");
  panel1->setFrameStyle(QFrame::Panel | QFrame::Raised);
  panel1->setGeometry(216, 4, 196, 132);

  label1_ = new QLabel(panel1);
  label1_->setObjectName("Label1");
  label1_->move(8, 6);

  pnlInf_ = new QLabel(panel1);
  pnlInf_->setObjectName("pnlInf");
  pnlInf_->setAlignment(Qt::AlignCenter);
  pnlInf_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  QFont big = PixelFont(family::kPGothic, 28);
  big.setBold(true);
  pnlInf_->setFont(big);
  pnlInf_->setGeometry(10, 26, 64, 40);

  QFont step = PixelFont(family::kPGothic, 16);
  step.setBold(true);
  auto stepPanel = [&](const char* name, int top, void (TfrmOption::*click)()) {
    auto* p = new CaptionPanel(panel1);
    p->setObjectName(name);
    p->setGeometry(84, top, 36, 19);
    p->caption()->setFont(step);
    p->onClick = [this, click] { app_.Guard([&] { (app_.frmOption.*click)(); }); };
    return p;
  };
  pnlUp_ = stepPanel("pnlUp", 26, &TfrmOption::pnlUpClick);
  pnlDown_ = stepPanel("pnlDown", 47, &TfrmOption::pnlDownClick);

  label3_ = new QLabel(panel1);
  label3_->setObjectName("Label3");
  label3_->setWordWrap(true);
  label3_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  label3_->setGeometry(8, 74, 180, 52);

  auto bitBtn = [this](const char* name, QStyle::StandardPixmap icon, int left,
                       void (TfrmOption::*click)()) {
    auto* b = new QPushButton(this);
    SetStandardIconWhenShown(b, icon);
    b->setObjectName(name);
    b->setGeometry(left, 144, 84, 28);
    b->setAutoDefault(false);
    connect(b, &QPushButton::clicked, this,
            [this, click] { app_.Guard([&] { (app_.frmOption.*click)(); }); });
    return b;
  };
  bitBtn1_ = bitBtn("BitBtn1", QStyle::SP_DialogOkButton, 234, &TfrmOption::BitBtn1Click);
  bitBtn2_ = bitBtn("BitBtn2", QStyle::SP_DialogCancelButton, 326, &TfrmOption::BitBtn2Click);
  // Drawn as the default button; Enter and Esc reach the core as keys.
  bitBtn1_->setDefault(true);

  // The learner's read-aloud setting, in a row of its own below the buttons.
  chkSpeak_ = new QCheckBox(this);
  chkSpeak_->setObjectName("chkSpeak");
  chkSpeak_->setGeometry(12, 178, 300, 20);
  connect(chkSpeak_, &QCheckBox::clicked, this,
          [this] { app_.Guard([&] { app_.frmOption.chkSpeakClick(); }); });

  for (QWidget* w : findChildren<QWidget*>()) w->setFocusPolicy(Qt::NoFocus);
  Sync();
}

OptionsView::Group OptionsView::NewGroup(const char* name, QRect place,
                                         void (TfrmOption::*click)(int)) {
  Group g;
  g.box = new QGroupBox(this);
  g.box->setObjectName(name);
  g.box->setGeometry(place);
  g.buttons = new QButtonGroup(g.box);
  for (int i = 0; i < 2; ++i) {
    auto* r = new QRadioButton(g.box);
    r->setObjectName(QStringLiteral("%1_%2").arg(name).arg(i));
    r->setGeometry(12, 18 + 20 * i, place.width() - 20, 18);
    g.buttons->addButton(r, i);
    g.items[i] = r;
  }
  connect(g.buttons, &QButtonGroup::idClicked, this,
          [this, click](int id) { app_.Guard([&] { (app_.frmOption.*click)(id); }); });
  return g;
}

void OptionsView::MirrorGroup(Group& g, const RadioGroup& c) {
  const QString title = Qs(c.Caption);
  if (g.box->title() != title) g.box->setTitle(title);
  for (std::size_t i = 0; i < g.items.size(); ++i) SetButtonText(g.items[i], c.Items[i]);
  QAbstractButton* want = g.buttons->button(c.ItemIndex);
  if (g.buttons->checkedButton() == want) return;
  if (want) {
    want->setChecked(true);
    return;
  }
  // No item for the value: none checked, which an exclusive group refuses.
  g.buttons->setExclusive(false);
  for (QRadioButton* r : g.items) r->setChecked(false);
  g.buttons->setExclusive(true);
}

void OptionsView::Sync() {
  const TfrmOption& f = app_.frmOption;
  const QString title = Qs(f.form.Caption);
  if (windowTitle() != title) setWindowTitle(title);
  SetBackground(this, f.form.Color);
  const QSize client = ClientSizeOf(f.form);
  if (size() != client) setFixedSize(client);
  MirrorGroup(group1_, f.RadioGroup1);
  MirrorGroup(group2_, f.RadioGroup2);
  SetText(label1_, f.Label1.Caption);
  label1_->adjustSize();
  SetText(pnlInf_, f.pnlInf.Caption);
  SetBackground(pnlInf_, f.pnlInf.Color);
  SetTextColor(pnlInf_, f.pnlInf.FontColor);
  pnlUp_->Mirror(f.pnlUp);
  pnlDown_->Mirror(f.pnlDown);
  SetText(label3_, f.Label3.Caption);
  SetButtonText(bitBtn1_, f.BitBtn1.Caption);
  SetButtonText(bitBtn2_, f.BitBtn2.Caption);
  SetButtonText(chkSpeak_, f.chkSpeak.Caption);
  if (chkSpeak_->isChecked() != f.chkSpeak.Checked) chkSpeak_->setChecked(f.chkSpeak.Checked);
  FollowVisible(this, f.form.Visible, owner_);
}

void OptionsView::keyPressEvent(QKeyEvent* e) {
  const KeyStroke k = TranslateKey(*e);
  if (k.vk != 0) app_.Guard([&] { app_.frmOption.FormKeyDown(k.vk); });
  // Enter and Esc close the window; their characters are not its keys then.
  if (k.typed && app_.frmOption.form.Visible)
    app_.Guard([&] { app_.frmOption.FormKeyPress(*k.typed); });
  e->accept();
}

void OptionsView::closeEvent(QCloseEvent* e) {
  if (app_.frmOption.form.Visible) app_.Guard([&] { app_.frmOption.FormClose(); });
  if (app_.frmOption.form.Visible)
    e->ignore();
  else
    e->accept();
}

}  // namespace vcq::ui
