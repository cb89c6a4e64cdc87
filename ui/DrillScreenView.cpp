#include "ui/DrillScreenView.h"

#include <QAccessible>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QInputMethod>
#include <QKeyEvent>
#include <QMouseEvent>

#include "drill/DrillScreen.h"
#include "ui/Accessible.h"
#include "ui/Fonts.h"
#include "ui/KeyTranslation.h"
#include "ui/TextConversion.h"

namespace vcq::ui {

void ChoicePanel::mousePressEvent(QMouseEvent* e) {
  if (e->button() != Qt::LeftButton || (accepts && !accepts())) {
    QLabel::mousePressEvent(e);
    return;
  }
  pressed_ = true;
  if (onDown) onDown();
}

void ChoicePanel::mouseReleaseEvent(QMouseEvent* e) {
  if (e->button() != Qt::LeftButton || !pressed_) {
    QLabel::mouseReleaseEvent(e);
    return;
  }
  pressed_ = false;
  const bool over = rect().contains(e->position().toPoint()) && (!accepts || accepts());
  if (onUp) onUp(over);
}

DrillScreenView::DrillScreenView(TfrmQues& core, Guard guard, QWidget* mainWindow,
                                 const QString& pictureDir)
    : QWidget(nullptr, Qt::Window | Qt::MSWindowsFixedSizeDialogHint),
      core_(core),
      guard_(std::move(guard)),
      mainWindow_(mainWindow) {
  setObjectName("frmQues");
  setFixedSize(kQuesClientWidth, kQuesClientHeight);
  setFont(PixelFont(family::kPGothic, core.form.FontSize));
  setFocusPolicy(Qt::StrongFocus);
  mirrors_.Add(this, core.form, mirror::kFrame);
  BuildLayout(pictureDir);
  Sync();
}

void DrillScreenView::Sync() {
  const TfrmQues& f = core_;
  // A screen reader hears the verdict with the key that brought it, before
  // the labels' own changes.
  SyncAccessible();
  // What is shown and how large only while the screen is up or about to be:
  // showing a label sizes it to its text, and the fonts of a screen not
  // shown yet need not be loaded at start-up.
  mirrors_.Sync(f.form.Visible);

  const int picture = f.EsperPicture;
  if (picture != esperShown_ && picture >= 0 && picture < static_cast<int>(esper_.size())) {
    imgEsper_->setPixmap(esper_[picture].Get());
    esperShown_ = picture;
  }

  // Typed answers must arrive as plain letters, not as an input method's
  // composition.
  const bool ime = !f.ImeOff;
  if (testAttribute(Qt::WA_InputMethodEnabled) != ime) {
    setAttribute(Qt::WA_InputMethodEnabled, ime);
    for (QWidget* w : findChildren<QWidget*>()) w->setAttribute(Qt::WA_InputMethodEnabled, ime);
    if (hasFocus()) QGuiApplication::inputMethod()->update(Qt::ImEnabled);
  }
  ShowOrHide();
}

void DrillScreenView::SyncAccessible() {
  const TfrmQues& f = core_;
  const std::uint64_t said = f.Said.Count();
  if (!QAccessible::isActive()) {
    // Nobody listens: what was said is not kept for later.
    saidTold_ = said;
    return;
  }
  QStringList texts;
  for (; saidTold_ < said; ++saidTold_)
    if (const std::string* text = f.Said.At(saidTold_)) texts << Qs(*text);
  Announce(gap_, texts);
  if (gap_->geometry() != typed_->geometry()) gap_->setGeometry(typed_->geometry());
  SendGapChange(gap_, Qs(f.w2.Caption));
  const QString sentence = Qs(f.w3.Caption);
  if (gap_->accessibleDescription() != sentence) gap_->setAccessibleDescription(sentence);
}

void DrillScreenView::ShowOrHide() {
  const bool shown = core_.form.Visible;
  if (shown == isVisible()) return;
  if (shown) {
    // Over the main window where it stands now; the learner may have moved it.
    if (mainWindow_) move(mainWindow_->pos());
    show();
    activateWindow();
    setFocus();
    return;
  }
  hide();
  // The keys go back to the main window, which the core has shown again.
  if (mainWindow_ && mainWindow_->isVisible()) mainWindow_->activateWindow();
}

void DrillScreenView::keyPressEvent(QKeyEvent* e) {
  e->accept();
  const KeyStroke k = TranslateKey(*e);
  // Every key-down counts, Shift and held keys included: each one clicks.
  guard_([&] { core_.FormKeyDown(k.vk); });
  if (k.typed) guard_([&] { core_.FormKeyPress(*k.typed); });
}

void DrillScreenView::keyReleaseEvent(QKeyEvent* e) {
  e->accept();
  // X11 sends a release before every repeat of a held key; the key is
  // still down, so its panel stays lit.
  if (e->isAutoRepeat()) return;
  const int key = TranslateKey(*e).vk;
  guard_([&] { core_.FormKeyUp(key); });
}

// The title bar's close button leaves as the quit button does.
void DrillScreenView::closeEvent(QCloseEvent* e) {
  if (core_.form.Visible) guard_([&] { core_.pnlQuitClick(); });
  if (core_.form.Visible)
    e->ignore();
  else
    e->accept();
}

}  // namespace vcq::ui
