#include "ui/MainWindowView.h"

#include <algorithm>
#include <cmath>

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QTransform>

#include "ui/Accessible.h"
#include "ui/CommandButton.h"
#include "ui/Contrast.h"
#include "ui/FittedText.h"
#include "ui/Fonts.h"
#include "ui/KeyTranslation.h"
#include "ui/TextConversion.h"
#include "ui/WindowParts.h"

namespace vcq::ui {

namespace {

constexpr int kBarHeight = 70;
constexpr int kKeyTop = 40;
constexpr int kCaptionTop = 53;
constexpr int kCaptionWidth = 80;  // wider than a button: "成績の再描画"

// A control of the main window, as a member (an alias that every
// clang-format release lays out alike).
using MainControl = Control TfrmMain::*;

struct ButtonDef {
  const char* name;
  MainControl control;
  void (TfrmMain::*click)();
  const char* picture;
  const char* hint;
};

const ButtonDef kButtons[] = {
    {"pnlQuit", &TfrmMain::pnlQuit, &TfrmMain::pnlQuitClick, "quit.png", "Vocaraの終了"},
    {"pnlOpen", &TfrmMain::pnlOpen, &TfrmMain::pnlOpenClick, "open.png", "成績を開く"},
    {"pnlFileCreate", &TfrmMain::pnlFileCreate, &TfrmMain::pnlFileCreateClick, "new.png",
     "新しい成績を作る"},
    {"pnlSel", &TfrmMain::pnlSel, &TfrmMain::pnlSelClick, "range.png", "分野を選ぶ"},
    {"pnlGo", &TfrmMain::pnlGo, &TfrmMain::pnlGoClick, "go.png", "問題を始める"},
    {"pnlOption", &TfrmMain::pnlOption, &TfrmMain::pnlOptionClick, "option.png", "オプション"},
    {"pnlSheet", &TfrmMain::pnlSheet, &TfrmMain::pnlSheetClick, "sheet.png", "成績表"},
    {"pnlClass", &TfrmMain::pnlClass, &TfrmMain::pnlClassClick, "class.png", "クラスの成績"},
    {"pnlHelp", &TfrmMain::pnlHelp, &TfrmMain::pnlHelpClick, "help.png", "ヘルプ"},
    {"pnlReDraw", &TfrmMain::pnlReDraw, &TfrmMain::pnlReDrawClick, "redraw.png",
     "成績ﾏｯﾌﾟの再描画"},
};

// The two labels under a button: its key and its caption, placed from the
// button's control. A label the core owns (shown and hidden with its
// button, or renamed) names its control; the others are fixed texts.
struct LabelDef {
  MainControl button;  // the button above
  const char* name;
  bool isKey;
  const char* text;
  MainControl control;
};

const LabelDef kLabels[] = {
    {&TfrmMain::pnlQuit, "lblKeyQuit", true, "F1", nullptr},
    {&TfrmMain::pnlQuit, "lblQuit2", false, "終了", nullptr},
    {&TfrmMain::pnlOpen, "lblKeyOpen", true, "F2", nullptr},
    {&TfrmMain::pnlOpen, "lblOpen2", false, "開く", nullptr},
    {&TfrmMain::pnlFileCreate, "lblKeyFileCreate", true, "F3", nullptr},
    {&TfrmMain::pnlFileCreate, "lblFileCreate2", false, "新規", nullptr},
    {&TfrmMain::pnlSel, "lblsel", true, nullptr, &TfrmMain::lblsel},
    {&TfrmMain::pnlSel, "lblsel2", false, nullptr, &TfrmMain::lblsel2},
    {&TfrmMain::pnlGo, "lblGo", true, nullptr, &TfrmMain::lblGo},
    {&TfrmMain::pnlGo, "lblGo2", false, nullptr, &TfrmMain::lblGo2},
    {&TfrmMain::pnlOption, "lblOption", true, nullptr, &TfrmMain::lblOption},
    {&TfrmMain::pnlOption, "lblOption2", false, nullptr, &TfrmMain::lblOption2},
    {&TfrmMain::pnlSheet, "lblSheet", true, nullptr, &TfrmMain::lblSheet},
    {&TfrmMain::pnlSheet, "lblSheet2", false, nullptr, &TfrmMain::lblSheet2},
    {&TfrmMain::pnlClass, "lblKeyClass", true, "F8", nullptr},
    {&TfrmMain::pnlClass, "lblClass2", false, "クラス", nullptr},
    {&TfrmMain::pnlHelp, "lblKeyHelp", true, "F9", nullptr},
    {&TfrmMain::pnlHelp, "lblHelp2", false, nullptr, &TfrmMain::lblHelp2},
};

}  // namespace

MainWindowView::MainWindowView(TfrmMain& core, Guard guard, const QString& pictureDir)
    : core_(core), guard_(std::move(guard)) {
  setObjectName("frmMain");
  setFixedSize(kMainClientWidth, kMainClientHeight);
  setFont(PixelFont(family::kPMincho, 16));
  // The window takes every key itself; nothing inside it can hold the focus,
  // so the function keys always arrive here.
  setFocusPolicy(Qt::StrongFocus);
  mirrors_.Add(this, core.form, mirror::kFrame | mirror::kTextColor);

  auto* bar = new QWidget(this);
  bar->setObjectName("Panel1");
  bar->setGeometry(0, 0, kMainClientWidth, kBarHeight);
  SetBackground(bar, maincolors::kBar);
  BuildCommandBar(bar, pictureDir);
  NameCommands(bar);

  const TfrmMain& m = core_;
  auto* title = new QLabel(this);
  title->setObjectName("lblTitle");
  title->setAlignment(Qt::AlignCenter);
  mirrors_.Add(title, m.lblTitle, mirror::kText);
  auto* player = new QLabel(this);
  player->setObjectName("lblPlayer");
  player->setAlignment(Qt::AlignCenter);
  mirrors_.Add(player, m.lblPlayer, mirror::kText);
  for (std::size_t i = 0; i < m.LesPanel.size(); ++i) {
    auto* p = new QLabel(this);
    p->setObjectName(QStringLiteral("pnl%1").arg(i));
    p->setAlignment(Qt::AlignCenter);
    p->setFont(PixelFont(family::kPGothic, 12));
    mirrors_.Add(p, m.LesPanel[i], mirror::kPanel);
  }
  for (QWidget* w : findChildren<QWidget*>()) w->setFocusPolicy(Qt::NoFocus);
  CentreOnScreen(this);
}

void MainWindowView::BuildCommandBar(QWidget* bar, const QString& pictureDir) {
  for (const ButtonDef& d : kButtons) {
    auto* b = new CommandButton(bar, pictureDir + "/" + d.picture, QString::fromUtf8(d.hint));
    b->setObjectName(d.name);
    const Control& c = core_.*d.control;
    b->move(c.Left, c.Top);
    b->onClick = [this, click = d.click] { guard_([&] { (core_.*click)(); }); };
    mirrors_.Add(b, c, mirror::kPlace | mirror::kBackground | mirror::kVisible);
  }
  for (const LabelDef& d : kLabels) {
    const Control& button = core_.*d.button;
    auto* l = new QLabel(bar);
    l->setObjectName(d.name);
    l->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    if (d.isKey) {
      l->setFont(PixelFont(family::kCourier, 12));
      l->setGeometry(button.Left, kKeyTop, button.Width, 13);
    } else {
      l->setFont(PixelFont(family::kPGothic, 12));
      l->setGeometry(button.Left + button.Width / 2 - kCaptionWidth / 2, kCaptionTop, kCaptionWidth,
                     14);
    }
    if (d.text) l->setText(QString::fromUtf8(d.text));
    if (d.control) mirrors_.Add(l, core_.*d.control, mirror::kCaption | mirror::kVisible);
  }
  auto* esper =
      new FittedLabel(QStringLiteral("Vocara Quick"), bar, PixelFont(family::kPGothic, 29),
                      {425, 20}, kMainClientWidth - 425 - 6);
  esper->setObjectName("lblEsper");
}

void MainWindowView::NameCommands(QWidget* bar) {
  for (const ButtonDef& b : kButtons) {
    auto* button = dynamic_cast<CommandButton*>(bar->findChild<QWidget*>(b.name));
    const QLabel* key = nullptr;
    const QLabel* caption = nullptr;
    for (const LabelDef& l : kLabels) {
      if (l.button != b.control) continue;
      (l.isKey ? key : caption) = bar->findChild<QLabel*>(l.name);
    }
    if (button) button->SetLabels(key, caption);
  }
}

void MainWindowView::Sync() {
  const TfrmMain& m = core_;
  mirrors_.Sync();
  if (paintedMap_ != m.map.drawn) {
    paintedMap_ = m.map.drawn;
    update();
    MapChanged(this);
  }
}

void MainWindowView::paintEvent(QPaintEvent*) {
  QPainter p(this);
  PaintScoreMap(p);
  if (HighContrast()) PaintMapMarks(p);
}

void MainWindowView::PaintMapMarks(QPainter& p) {
  // Never answered stays plain; wrong is a cross, right once the lower half
  // dark, mastered all dark.
  for (const MapCell& c : core_.map.cells) {
    const QRect in =
        QRect(QPoint(c.place.left, c.place.top), QPoint(c.place.right - 1, c.place.bottom - 1))
            .adjusted(1, 1, -1, -1);
    if (in.width() <= 0 || in.height() <= 0) continue;
    switch (KindOfLevel(c.level)) {
      case kKindWrong:
        p.setPen(Qt::black);
        p.drawLine(in.topLeft(), in.bottomRight());
        p.drawLine(in.topRight(), in.bottomLeft());
        break;
      case kKindOnce:
        p.fillRect(in.adjusted(0, in.height() / 2, 0, 0), Qt::black);
        break;
      case kKindMastered:
        p.fillRect(in, Qt::black);
        break;
      default:
        break;
    }
  }
}

void MainWindowView::PaintScoreMap(QPainter& p) {
  // Drawn as the map's rectangles are meant: an outline on the first and the
  // last row and column inside (left, top) .. (right, bottom), both
  // exclusive, and the fill within. Two fills hit exactly those pixels,
  // where a pen would depend on how the painter rounds. At a scale factor
  // (1.5) the edges are put on device pixels first and the outline is the
  // same whole number of them everywhere, so that no border is thinner
  // than its neighbour.
  const qreal scale = p.deviceTransform().m11();
  const int width = std::max(1, static_cast<int>(std::lround(scale)));
  auto device = [scale](int v) { return static_cast<int>(std::lround(v * scale)); };
  p.save();
  p.setWorldTransform(QTransform::fromScale(1 / scale, 1 / scale), true);
  for (const MapRect& r : paintedMap_) {
    if (r.right <= r.left || r.bottom <= r.top) continue;
    const QRect outer(QPoint(device(r.left), device(r.top)),
                      QPoint(device(r.right) - 1, device(r.bottom) - 1));
    p.fillRect(outer, Qc(r.pen));
    p.fillRect(outer.adjusted(width, width, -width, -width), Qc(r.fill));
  }
  p.restore();
}

void MainWindowView::keyPressEvent(QKeyEvent* e) {
  const KeyStroke k = TranslateKey(*e);
  if (k.vk != 0) guard_([&] { core_.FormKeyDown(k.vk); });
  e->accept();
}

void MainWindowView::closeEvent(QCloseEvent* e) {
  bool mayClose = core_.Closed;
  if (!mayClose) guard_([&] { mayClose = core_.FormClose(); });
  if (mayClose)
    e->accept();
  else
    e->ignore();
}

}  // namespace vcq::ui
