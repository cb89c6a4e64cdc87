#include "ui/OptionsView.h"

#include <QButtonGroup>
#include <QCheckBox>
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
#include "ui/Pictures.h"
#include "ui/WindowParts.h"

namespace vcq::ui {

OptionsView::OptionsView(QWidget* owner, Program& app)
    : SecondaryWindow(owner, "frmOption", app.frmOption.form, Size::kOuter,
                      [&app] { app.Guard([&] { app.frmOption.FormClose(); }); }),
      app_(app) {
  using namespace mirror;
  const TfrmOption& f = app.frmOption;
  setFont(PixelFont(family::kPGothic, 12));
  // Keys are previewed by the form: the window takes them all itself.
  setFocusPolicy(Qt::StrongFocus);

  group1_ = NewGroup("RadioGroup1", {8, 4, 200, 64}, &TfrmOption::RadioGroup1Click);
  group2_ = NewGroup("RadioGroup2", {8, 72, 200, 64}, &TfrmOption::RadioGroup2Click);
  mirrors_.Add(group1_.box, f.RadioGroup1, kCaption);
  mirrors_.Add(group2_.box, f.RadioGroup2, kCaption);

  auto* panel1 = new QFrame(this);
  panel1->setObjectName("Panel1");
  panel1->setFrameStyle(QFrame::Panel | QFrame::Raised);
  panel1->setGeometry(216, 4, 196, 132);

  auto* label1 = new QLabel(panel1);
  label1->setObjectName("Label1");
  label1->move(8, 6);
  mirrors_.Add(label1, f.Label1, kCaption | kFitText);

  auto* pnlInf = new QLabel(panel1);
  pnlInf->setObjectName("pnlInf");
  pnlInf->setAlignment(Qt::AlignCenter);
  pnlInf->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  QFont big = PixelFont(family::kPGothic, 28);
  big.setBold(true);
  pnlInf->setFont(big);
  pnlInf->setGeometry(10, 26, 64, 40);
  mirrors_.Add(pnlInf, f.pnlInf, kCaption | kBackground | kTextColor);

  QFont step = PixelFont(family::kPGothic, 16);
  step.setBold(true);
  auto stepPanel = [&](const char* name, int top, const Control& c, void (TfrmOption::*click)()) {
    auto* p = new CaptionPanel(panel1);
    p->setObjectName(name);
    p->setGeometry(84, top, 36, 19);
    p->caption()->setFont(step);
    p->onClick = [this, click] { app_.Guard([&] { (app_.frmOption.*click)(); }); };
    MirrorCaptionPanel(mirrors_, p, c);
  };
  stepPanel("pnlUp", 26, f.pnlUp, &TfrmOption::pnlUpClick);
  stepPanel("pnlDown", 47, f.pnlDown, &TfrmOption::pnlDownClick);

  auto* label3 = new QLabel(panel1);
  label3->setObjectName("Label3");
  label3->setWordWrap(true);
  label3->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  label3->setGeometry(8, 74, 180, 52);
  mirrors_.Add(label3, f.Label3, kCaption);

  auto bitBtn = [this](const char* name, QStyle::StandardPixmap icon, int left, const Control& c,
                       void (TfrmOption::*click)()) {
    auto* b = new QPushButton(this);
    SetStandardIconWhenShown(b, icon);
    b->setObjectName(name);
    b->setGeometry(left, 144, 84, 28);
    b->setAutoDefault(false);
    connect(b, &QPushButton::clicked, this,
            [this, click] { app_.Guard([&] { (app_.frmOption.*click)(); }); });
    mirrors_.Add(b, c, kCaption);
    return b;
  };
  QPushButton* ok =
      bitBtn("BitBtn1", QStyle::SP_DialogOkButton, 234, f.BitBtn1, &TfrmOption::BitBtn1Click);
  bitBtn("BitBtn2", QStyle::SP_DialogCancelButton, 326, f.BitBtn2, &TfrmOption::BitBtn2Click);
  // Drawn as the default button; Enter and Esc reach the core as keys.
  ok->setDefault(true);

  // The learner's read-aloud setting, in a row of its own below the buttons.
  chkSpeak_ = new QCheckBox(this);
  chkSpeak_->setObjectName("chkSpeak");
  chkSpeak_->setGeometry(12, 178, 300, 20);
  connect(chkSpeak_, &QCheckBox::clicked, this,
          [this] { app_.Guard([&] { app_.frmOption.chkSpeakClick(); }); });
  mirrors_.Add(chkSpeak_, f.chkSpeak, kCaption);

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

void OptionsView::MirrorChoice(Group& g, const RadioGroup& c) {
  for (std::size_t i = 0; i < g.items.size(); ++i) SetText(g.items[i], c.Items[i]);
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
  MirrorChoice(group1_, f.RadioGroup1);
  MirrorChoice(group2_, f.RadioGroup2);
  if (chkSpeak_->isChecked() != f.chkSpeak.Checked) chkSpeak_->setChecked(f.chkSpeak.Checked);
  SyncFrame();
}

void OptionsView::keyPressEvent(QKeyEvent* e) {
  const KeyStroke k = TranslateKey(*e);
  if (k.vk != 0) app_.Guard([&] { app_.frmOption.FormKeyDown(k.vk); });
  // Enter and Esc close the window; their characters are not its keys then.
  if (k.typed && app_.frmOption.form.Visible)
    app_.Guard([&] { app_.frmOption.FormKeyPress(*k.typed); });
  e->accept();
}

}  // namespace vcq::ui
