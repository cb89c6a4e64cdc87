#include "ui/PlayerNameView.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <algorithm>

#include "platform/VirtualKeys.h"
#include "screens/PlayerName.h"
#include "ui/FittedText.h"
#include "ui/Fonts.h"
#include "ui/KeyTranslation.h"
#include "ui/Mirroring.h"
#include "ui/Pictures.h"
#include "ui/TextConversion.h"
#include "ui/WindowParts.h"

namespace vcq::ui {

PlayerNameView::PlayerNameView(QWidget* owner, TfrmInput& core, Guard guard)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                         Qt::WindowCloseButtonHint),
      core_(core),
      guard_(std::move(guard)) {
  setObjectName("frmInput");
  setModal(true);
  setFixedSize(core.form.Width, core.form.Height);
  setFont(PixelFont(family::kPMincho, 14));

  auto* label1 = new QLabel(this);
  label1->setObjectName("Label1");
  label1->setFont(PixelFont(family::kPMincho, 12));
  PlaceText(label1, PlaceOf(core_.Label1));
  mirrors_.Add(label1, core_.Label1, mirror::kCaption | mirror::kTextColor);

  edit_ = new QLineEdit(this);
  edit_->setObjectName("MaskEdit1");
  edit_->setGeometry(PlaceOf(core_.MaskEdit1));
  // A screen reader names the box with the prompt above it.
  label1->setBuddy(edit_);
  // Names are usually typed in Japanese, so the input method must be able to
  // serve the box. The window cannot put it into hiragana mode itself: no
  // portable interface switches an input method's mode; the learner does.
  edit_->setAttribute(Qt::WA_InputMethodEnabled);
  // textEdited comes with what the learner typed or the input method
  // committed, never with a conversion still in progress.
  connect(edit_, &QLineEdit::textEdited, this, [this](const QString& text) {
    const std::string utf8 = text.toStdString();
    guard_([&] { core_.MaskEdit1Typed(utf8); });
  });

  // Why an edit was not taken.
  auto* note = new QLabel(this);
  note->setObjectName("lblNote");
  note->setFont(PixelFont(family::kPGothic, 12));
  note->setGeometry(PlaceOf(core_.lblNote));
  mirrors_.Add(note, core_.lblNote, mirror::kCaption | mirror::kTextColor);

  auto* ok = new QPushButton("OK", this);
  SetStandardIconWhenShown(ok, QStyle::SP_DialogOkButton);
  ok->setObjectName("BitBtn1");
  ok->setGeometry(PlaceOf(core_.BitBtn1));
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, [this] { guard_([&] { core_.BitBtn1Click(); }); });

  auto* cancel = new QPushButton(QStringLiteral("ｷｬﾝｾﾙ"), this);
  SetStandardIconWhenShown(cancel, QStyle::SP_DialogCancelButton);
  cancel->setObjectName("BitBtn2");
  cancel->setGeometry(PlaceOf(core_.BitBtn2));
  cancel->setAutoDefault(false);
  connect(cancel, &QPushButton::clicked, this, [this] { guard_([&] { core_.BitBtn2Click(); }); });

  CentreOnScreen(this);
}

void PlayerNameView::Sync() {
  const TfrmInput& f = core_;
  const QString title = Qs(f.form.Caption);
  if (windowTitle() != title) setWindowTitle(title);
  SetBackground(this, f.form.Color);
  mirrors_.Sync();
  const QString text = Qs(f.MaskEdit1.Caption);
  if (edit_->text() != text) {
    // The core refused, cut or emptied the entry: show its text, the cursor
    // where it was less what was taken away before it.
    const int cursor =
        edit_->cursorPosition() - std::max<int>(0, edit_->text().size() - text.size());
    edit_->setText(text);
    edit_->setCursorPosition(std::clamp<int>(cursor, 0, text.size()));
  }
  if (isVisible() && !f.form.Visible) done(QDialog::Accepted);
}

void PlayerNameView::showEvent(QShowEvent* e) {
  Sync();
  edit_->setFocus();
  edit_->selectAll();
  QDialog::showEvent(e);
}

void PlayerNameView::keyPressEvent(QKeyEvent* e) {
  // Enter and Esc are the window's own keys (OK and Cancel), not the
  // dialog's default-button handling.
  const int key = TranslateKey(*e).vk;
  if (key == vk::kReturn || key == vk::kEscape) {
    guard_([&] { core_.FormKeyDown(key); });
    e->accept();
    return;
  }
  QDialog::keyPressEvent(e);
}

void PlayerNameView::closeEvent(QCloseEvent* e) {
  if (core_.form.Visible) guard_([&] { core_.FormClose(); });
  if (core_.form.Visible) {
    e->ignore();
    return;
  }
  QDialog::closeEvent(e);
}

}  // namespace vcq::ui
