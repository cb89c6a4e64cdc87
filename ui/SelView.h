// The study range window: a coloured panel per lesson with its key letter,
// the hint, "全選択", "全解除" and OK, mirrored from TfrmSel. Clicks, keys
// and the title bar's close button go to TfrmSel through Program::Guard.
//
// Also two pieces the options window and the score table share with it.
#pragma once

#include <QSize>
#include <QWidget>
#include <array>

#include "platform/Control.h"
#include "ui/CommandButton.h"

class QLabel;
class QPushButton;

namespace vcq {
class Program;
}

namespace vcq::ui {

// The client area of a secondary window. The core gives each window's outer
// size, as it does for the main window (600 x 450 around its 593 x 423
// client); the other windows have the same frame.
QSize ClientSizeOf(const Control& form);

// A clickable panel with a raised edge and one line of centred caption.
class CaptionPanel : public CommandButton {
 public:
  explicit CaptionPanel(QWidget* parent);
  // Caption, colours, font size, place and visibility from the control.
  void Mirror(const Control& c);
  QLabel* caption() const { return caption_; }

 protected:
  void resizeEvent(QResizeEvent* e) override;

 private:
  QLabel* caption_;
};

class SelView : public QWidget {
 public:
  SelView(QWidget* owner, Program& app);
  void Sync();

 protected:
  void keyPressEvent(QKeyEvent* e) override;
  void closeEvent(QCloseEvent* e) override;

 private:
  Program& app_;
  QWidget* owner_;
  std::array<CaptionPanel*, 20> pnl_{};
  std::array<QLabel*, 20> lblKey_{};
  QLabel* label1_;
  QPushButton* btnOn_;
  QPushButton* btnOf_;
  QPushButton* btnOk_;
};

// Shows a secondary window the core has just opened, on top and with the
// keys, or hides one it has closed and gives the keys back to `owner`.
void FollowVisible(QWidget* w, bool visible, QWidget* owner);

}  // namespace vcq::ui
