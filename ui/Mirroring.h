// Copying core control state onto widgets. Every view lists its widgets with
// the control each one shows and what of it reaches the widget; one sync
// after each event walks the list.
#pragma once

#include <QColor>
#include <QRect>
#include <string>
#include <vector>

#include "platform/Control.h"

class QWidget;

namespace vcq::ui {

inline QColor Qc(Rgb c) {
  return QColor(c.r, c.g, c.b);
}

// Each setter only touches the widget when the value differs, so that a sync
// after every event costs nothing when little changed.
void SetBackground(QWidget* w, Rgb c);
void SetTextColor(QWidget* w, Rgb c);
// The text of a label, a button or a group box's title.
void SetText(QWidget* w, const std::string& cp932);
void SetTitle(QWidget* w, const std::string& cp932);
// A zero width or height leaves the widget's place alone.
void SetPlace(QWidget* w, const Control& c);
// The control's place as a rectangle.
QRect PlaceOf(const Control& c);
// Zero leaves the widget's font alone.
void SetFontSize(QWidget* w, int pixels);

// What of a control reaches its widget.
namespace mirror {
enum Aspect : unsigned {
  kCaption = 1u << 0,
  kBackground = 1u << 1,
  kTextColor = 1u << 2,
  kFontSize = 1u << 3,
  kPlace = 1u << 4,
  kVisible = 1u << 5,
  // A label whose control has no width is sized to its text.
  kFitText = 1u << 6,
  // The caption as a window's title: the frame of a window is its form control.
  kTitle = 1u << 7,
};
inline constexpr unsigned kText = kCaption | kTextColor | kFontSize | kPlace | kVisible;
inline constexpr unsigned kPanel = kText | kBackground;
inline constexpr unsigned kPicture = kPlace | kVisible;
// A window's frame: its title and background. Its size and whether it is
// shown are the window's own, which raise it and give it the keys.
inline constexpr unsigned kFrame = kTitle | kBackground;
}  // namespace mirror

struct Mirrored {
  QWidget* widget;
  const Control* control;
  unsigned aspects;  // of mirror::Aspect
};

class MirrorList {
 public:
  void Add(QWidget* w, const Control& c, unsigned aspects) { entries_.push_back({w, &c, aspects}); }
  // While `shown` is false, visibility and sizing to text wait: showing a
  // label sizes it, and the fonts of a window not up need not be loaded.
  void Sync(bool shown = true) const;
  const std::vector<Mirrored>& Entries() const { return entries_; }

 private:
  std::vector<Mirrored> entries_;
};

}  // namespace vcq::ui
