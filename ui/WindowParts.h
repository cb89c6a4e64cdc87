// Pieces the secondary windows (range, options, score table) share.
#pragma once

#include <QSize>
#include <QWidget>

#include "platform/Control.h"
#include "ui/CommandButton.h"

class QLabel;

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

// Shows a secondary window the core has just opened, on top and with the
// keys, or hides one it has closed and gives the keys back to `owner`.
void FollowVisible(QWidget* w, bool visible, QWidget* owner);

}  // namespace vcq::ui
