// Pieces the windows share: the client size of a secondary window, a
// clickable caption panel, and placing a window in the middle of the screen.
#pragma once

#include <QSize>
#include <QWidget>

#include "platform/Control.h"
#include "ui/CommandButton.h"
#include "ui/Mirroring.h"

class QLabel;

namespace vcq::ui {

// The client area of a secondary window. The core gives each window's outer
// size, as it does for the main window (600 x 450 around its 593 x 423
// client); the other windows have the same frame.
QSize ClientSizeOf(const Control& form);

// Places a top-level window of fixed size in the middle of the screen.
void CentreOnScreen(QWidget* w);

// A clickable panel with a raised edge and one line of centred caption. The
// view mirrors the panel's place, colour and visibility onto the panel and
// its caption, text colour and font size onto caption().
class CaptionPanel : public CommandButton {
 public:
  explicit CaptionPanel(QWidget* parent);
  QLabel* caption() const { return caption_; }

 protected:
  void resizeEvent(QResizeEvent* e) override;

 private:
  QLabel* caption_;
};

// Lists the panel and its caption to be mirrored from `c`.
void MirrorCaptionPanel(MirrorList& list, CaptionPanel* p, const Control& c);

}  // namespace vcq::ui
