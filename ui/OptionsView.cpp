#include "ui/OptionsView.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>

#include "screens/Options.h"
#include "ui/Fonts.h"
#include "ui/Pictures.h"
#include "ui/WindowParts.h"

namespace vcq::ui {

OptionsView::OptionsView(QWidget* owner, TfrmOption& core, Guard guard)
    : SecondaryWindow(owner, "frmOption", core.form, Size::kOuter, std::move(guard),
                      [&core] { core.FormClose(); }),
      core_(core) {
  using namespace mirror;
  const TfrmOption& f = core_;
  setFont(PixelFont(family::kPGothic, 12));
  // Keys are previewed by the form: the window takes them all itself.
  setFocusPolicy(Qt::StrongFocus);

  for (std::size_t i = 0; i < TfrmOption::Choices().size(); ++i) {
    const OptionChoice& c = TfrmOption::Choices()[i];
    groups_.push_back(NewGroup(c.name, f.*c.group, i));
    mirrors_.Add(groups_.back().box, f.*c.group, kCaption);
  }

  auto* panel1 = new QFrame(this);
  panel1->setObjectName("Panel1");
  panel1->setFrameStyle(QFrame::Panel | QFrame::Raised);
  SetPlace(panel1, f.Panel1);

  auto* label1 = new QLabel(panel1);
  label1->setObjectName("Label1");
  label1->move(f.Label1.Left, f.Label1.Top);
  mirrors_.Add(label1, f.Label1, kCaption | kFitText);

  auto* pnlInf = new QLabel(panel1);
  pnlInf->setObjectName("pnlInf");
  pnlInf->setAlignment(Qt::AlignCenter);
  pnlInf->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  QFont big = PixelFont(family::kPGothic, 28);
  big.setBold(true);
  pnlInf->setFont(big);
  SetPlace(pnlInf, f.pnlInf);
  mirrors_.Add(pnlInf, f.pnlInf, kCaption | kBackground | kTextColor);

  QFont step = PixelFont(family::kPGothic, 16);
  step.setBold(true);
  auto stepPanel = [&](const char* name, const Control& c, void (TfrmOption::*click)()) {
    auto* p = new CaptionPanel(panel1);
    p->setObjectName(name);
    SetPlace(p, c);
    p->caption()->setFont(step);
    p->onClick = [this, click] { guard_([&] { (core_.*click)(); }); };
    MirrorCaptionPanel(mirrors_, p, c);
  };
  stepPanel("pnlUp", f.pnlUp, &TfrmOption::pnlUpClick);
  stepPanel("pnlDown", f.pnlDown, &TfrmOption::pnlDownClick);

  auto* label3 = new QLabel(panel1);
  label3->setObjectName("Label3");
  label3->setWordWrap(true);
  label3->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  SetPlace(label3, f.Label3);
  mirrors_.Add(label3, f.Label3, kCaption);

  auto bitBtn = [this](const char* name, QStyle::StandardPixmap icon, const Control& c,
                       void (TfrmOption::*click)()) {
    auto* b = new QPushButton(this);
    SetStandardIconWhenShown(b, icon);
    b->setObjectName(name);
    SetPlace(b, c);
    b->setAutoDefault(false);
    connect(b, &QPushButton::clicked, this, [this, click] { guard_([&] { (core_.*click)(); }); });
    mirrors_.Add(b, c, kCaption);
    return b;
  };
  QPushButton* ok =
      bitBtn("BitBtn1", QStyle::SP_DialogOkButton, f.BitBtn1, &TfrmOption::BitBtn1Click);
  bitBtn("BitBtn2", QStyle::SP_DialogCancelButton, f.BitBtn2, &TfrmOption::BitBtn2Click);
  // Drawn as the default button; Enter and Esc reach the core as keys.
  ok->setDefault(true);

  // The learner's read-aloud setting, in a row of its own below the buttons.
  chkSpeak_ = new QCheckBox(this);
  chkSpeak_->setObjectName("chkSpeak");
  SetPlace(chkSpeak_, f.chkSpeak);
  connect(chkSpeak_, &QCheckBox::clicked, this, [this] { guard_([&] { core_.chkSpeakClick(); }); });
  mirrors_.Add(chkSpeak_, f.chkSpeak, kCaption);

  for (QWidget* w : findChildren<QWidget*>()) w->setFocusPolicy(Qt::NoFocus);
  Sync();
}

OptionsView::Group OptionsView::NewGroup(const char* name, const Control& place,
                                         std::size_t choice) {
  Group g;
  g.box = new QGroupBox(this);
  g.box->setObjectName(name);
  SetPlace(g.box, place);
  g.buttons = new QButtonGroup(g.box);
  for (int i = 0; i < 2; ++i) {
    auto* r = new QRadioButton(g.box);
    r->setObjectName(QStringLiteral("%1_%2").arg(name).arg(i));
    r->setGeometry(12, 18 + 20 * i, place.Width - 20, 18);
    g.buttons->addButton(r, i);
    g.items[i] = r;
  }
  connect(g.buttons, &QButtonGroup::idClicked, this,
          [this, choice](int id) { guard_([&] { core_.ChoiceClick(choice, id); }); });
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
  const TfrmOption& f = core_;
  for (std::size_t i = 0; i < groups_.size(); ++i)
    MirrorChoice(groups_[i], f.*TfrmOption::Choices()[i].group);
  if (chkSpeak_->isChecked() != f.chkSpeak.Checked) chkSpeak_->setChecked(f.chkSpeak.Checked);
  SyncFrame();
}

void OptionsView::keyPressEvent(QKeyEvent* e) {
  ForwardKey(e, core_);
}

}  // namespace vcq::ui
