// The drill screen's fixed layout: where each control sits, its font, its
// bevel and its picture. Places and sizes come from the core's controls;
// what is only the look is here.
#include <QFrame>

#include "drill/DrillScreen.h"
#include "ui/Accessible.h"
#include "ui/CommandButton.h"
#include "ui/DrillScreenView.h"
#include "ui/Fonts.h"

namespace vcq::ui {

namespace {

constexpr int kLowered = QFrame::Panel | QFrame::Sunken;
constexpr int kRaised = QFrame::Panel | QFrame::Raised;
constexpr char kTimes[] = "Times New Roman";
constexpr char kArial[] = "Arial";

// The character's frames, in the order of TfrmQues::EsperPicture.
constexpr const char* kEsperFiles[] = {"esper.bmp", "u1.bmp", "u2.bmp", "u3.jpg",
                                       "u4.bmp",    "u5.bmp", "u6.bmp", "u7.bmp"};

void Style(QWidget* w, bool bold, bool italic = false, bool underline = false) {
  QFont f = w->font();
  f.setBold(bold);
  f.setItalic(italic);
  f.setUnderline(underline);
  w->setFont(f);
}

// A control with a width has its box; one without sits at its place and
// takes its size from what it shows (mirror::kFitText).
void Place(QWidget* w, const Control& c) {
  if (c.Width > 0 && c.Height > 0)
    w->setGeometry(c.Left, c.Top, c.Width, c.Height);
  else
    w->move(c.Left, c.Top);
}

}  // namespace

template <typename W>
W* DrillScreenView::Add(W* w, const char* name, const Control& c, unsigned aspects) {
  w->setObjectName(QString::fromLatin1(name));
  Place(w, c);
  mirrors_.Add(w, c, aspects);
  return w;
}

QLabel* DrillScreenView::Label(QWidget* parent, const char* name, const Control& c,
                               const char* family, Qt::Alignment align) {
  auto* l = Add(new QLabel(parent), name, c, mirror::kText | mirror::kFitText);
  l->setFont(PixelFont(family, c.FontSize));
  l->setAlignment(align);
  return l;
}

QLabel* DrillScreenView::Panel(QWidget* parent, const char* name, const Control& c,
                               int frameStyle) {
  auto* p = Add(new QLabel(parent), name, c, mirror::kPanel | mirror::kFitText);
  p->setFrameStyle(frameStyle);
  p->setLineWidth(1);
  p->setAlignment(Qt::AlignCenter);
  p->setFont(PixelFont(family::kPGothic, c.FontSize));
  return p;
}

QLabel* DrillScreenView::Picture(QWidget* parent, const char* name, const Control& c,
                                 const QPixmap& pixmap) {
  auto* l = Add(new QLabel(parent), name, c, mirror::kPicture);
  l->setPixmap(pixmap);  // a missing file leaves the place empty
  if (c.Width <= 0) l->adjustSize();
  return l;
}

void DrillScreenView::BuildLayout(const QString& pictureDir) {
  BuildSpeedBar(pictureDir);
  BuildQuesArea(pictureDir);
  BuildBatchArea();
  BuildChoiceArea();
  BuildSettingsArea(pictureDir);
  // Every key belongs to the window itself. The answer gap holds the focus,
  // so that a screen reader follows the typing, and passes each key on.
  for (QWidget* w : findChildren<QWidget*>()) w->setFocusPolicy(Qt::NoFocus);
  gap_->setFocusPolicy(Qt::StrongFocus);
  setFocusProxy(gap_);
}

void DrillScreenView::BuildSpeedBar(const QString& dir) {
  const TfrmQues& f = core_;
  QLabel* bar = Panel(this, "SpeedBar", f.SpeedBar, QFrame::NoFrame);

  const QString hint = QStringLiteral("章の目次に戻る");
  auto* quit = new CommandButton(bar, dir + "/quitdrill.png", hint);
  Add(quit, "pnlQuit", f.pnlQuit, mirror::kPlace | mirror::kBackground | mirror::kVisible);
  quit->onClick = [this] { guard_([&] { core_.pnlQuitClick(); }); };

  Label(bar, "Label11", f.Label11, family::kPGothic);
  Label(bar, "lblDName", f.lblDName, family::kPMincho, Qt::AlignCenter);
  Picture(bar, "imgMouse", f.imgMouse, QPixmap(dir + "/mouse.png"));
  Picture(bar, "imgKB", f.imgKB, QPixmap(dir + "/keyboard.png"));
}

void DrillScreenView::BuildQuesArea(const QString& dir) {
  const TfrmQues& f = core_;
  QLabel* ques = Panel(this, "pnlQues", f.pnlQues, kLowered);
  Label(ques, "w1", f.w1, family::kPGothic);
  Label(ques, "w3", f.w3, family::kPGothic);
  typed_ = Label(ques, "w2", f.w2, family::kPGothic);
  gap_ = new AnswerGap(ques);
  gap_->setObjectName("answerGap");

  for (std::size_t i = 0; i < esper_.size(); ++i)
    esper_[i] = LazyPixmap(dir + "/" + kEsperFiles[i]);
  imgEsper_ = Picture(ques, "imgEsper", f.imgEsper, esper_[0].Get());
  imgEsper_->setScaledContents(true);
  esperShown_ = 0;

  QLabel* mes = Panel(ques, "pnlMes", f.pnlMes, kLowered);
  Label(mes, "lblMes", f.lblMes, family::kPMincho, Qt::AlignCenter);
  Picture(mes, "Image1", f.Image1, QPixmap(dir + "/right.png"));
  Label(mes, "lblOks", f.lblOks, kArial);
  Picture(mes, "Image2", f.Image2, QPixmap(dir + "/wrong.png"));
  Label(mes, "lblNgs", f.lblNgs, kArial);
}

void DrillScreenView::BuildBatchArea() {
  const TfrmQues& f = core_;
  QLabel* batch = Panel(this, "Panel3", f.Panel3, kRaised);
  Style(Label(batch, "lblTitle", f.lblTitle, family::kPMincho, Qt::AlignCenter), true);
  Label(batch, "lblTestCnt", f.lblTestCnt, family::kPMincho, Qt::AlignCenter);
  Style(Label(batch, "lblTen", f.lblTen, kTimes), true, true, true);
  for (int i = 0; i < kBatchSize; ++i)
    Label(batch, qPrintable(QStringLiteral("a%1").arg(i)), f.a[i], family::kPGothic);
  // After the answers, so that a long answer runs under the next column's mark.
  for (int i = 0; i < kBatchSize; ++i)
    Style(Label(batch, qPrintable(QStringLiteral("lox%1").arg(i)), f.lox[i], family::kGothic),
          false, true);
  QLabel* about = Label(batch, "lblAnsAbout", f.lblAnsAbout, family::kPMincho);
  about->setWordWrap(true);
}

void DrillScreenView::BuildChoiceArea() {
  const TfrmQues& f = core_;
  QLabel* sel = Panel(this, "pnlSel", f.pnlSel, kRaised);
  for (int i = 0; i < kChoicePanels; ++i) {
    auto* p = Add(new ChoicePanel(sel), qPrintable(QStringLiteral("s%1").arg(i)), f.s[i],
                  mirror::kPanel | mirror::kFitText);
    p->setFrameStyle(kRaised);
    p->setAlignment(Qt::AlignCenter);
    p->setFont(PixelFont(family::kPGothic, f.s[i].FontSize));
    Style(p, true);
    p->accepts = [this, i] { return core_.ChoiceTakesMouse(i); };
    p->onDown = [this, i] { guard_([&] { core_.s0MouseDown(i); }); };
    // The click comes before the release, so the panel is still lit while
    // the pick's cue sounds.
    p->onUp = [this, i](bool over) {
      if (over) guard_([&] { core_.s0Click(i); });
      guard_([&] { core_.s0MouseUp(i); });
    };
    QLabel* digit =
        Label(p, qPrintable(QStringLiteral("Label%1").arg(i + 1)), f.sLabel[i], family::kCourier);
    Style(digit, true);
    digit->setAttribute(Qt::WA_TransparentForMouseEvents);
  }
}

void DrillScreenView::BuildSettingsArea(const QString& dir) {
  const TfrmQues& f = core_;
  QLabel* inf = Panel(this, "pnlInf", f.pnlInf, kRaised);
  Picture(inf, "Image3", f.Image3, QPixmap(dir + "/settings.png"));
  Label(inf, "Label10", f.Label10, family::kPGothic);
  Panel(inf, "pnlorder", f.pnlorder, kLowered);
  Panel(inf, "pnlHint", f.pnlHint, kLowered);
  Panel(inf, "pnlFlash", f.pnlFlash, kLowered);
}

}  // namespace vcq::ui
