// Labels whose text is placed without being measured before the window
// shows. Measuring a text builds Qt's font database and loads the font
// engines; a window that measures while it is built maps that much later.
// The minimal window pays the same when it first paints.
#pragma once

#include <QLabel>
#include <QRect>

namespace vcq::ui {

// Sets `l` to draw its text from the top left of `room`, which must be at
// least as large as the text: the same place as a label sized to its text
// (whose text is centred in exactly its own height), with nothing measured.
void PlaceText(QLabel* l, const QRect& room);

// A one-line label that narrows its font (never shrinks it) until the text
// fits `maxWidth` when the substituted font draws it wider than the layout
// has room for, then sizes itself to the text. Both wait for the first paint.
class FittedLabel : public QLabel {
 public:
  FittedLabel(const QString& text, QWidget* parent, const QFont& font, QPoint at, int maxWidth);

  // Narrows the font and sizes the label now, if not done yet.
  void Fit();

 protected:
  void paintEvent(QPaintEvent* e) override;

 private:
  int maxWidth_;
  bool fitted_ = false;
};

}  // namespace vcq::ui
