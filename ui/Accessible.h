// What a screen reader sees of VCQuick's own widgets. Qt names its standard
// widgets itself; these are the ones it cannot know: the command panels
// (push buttons named with their key and caption), the plain top-level
// windows (frames), the score map (a list of cells under a summary), the
// drill's answer gap (an editable text holding what was
// typed), and the choice panels (a list of named items).
//
// The interfaces are made only when an assistive technology asks, so with
// accessibility off none of this costs anything.
#pragma once

#include <QString>
#include <QStringList>
#include <QWidget>

class QWidget;

namespace vcq::ui {

class MainWindowView;

// Installs the factory; after the QApplication is made, so that its
// interfaces come before Qt's own. Installing twice does nothing.
void InstallAccessibility();

// The drill's answer gap for a screen reader: an empty widget laid over the
// typed letters (w2), which it leaves to paint them. It holds the keyboard
// focus, so that a screen reader follows what the learner types, and passes
// every key on to the window.
class AnswerGap : public QWidget {
 public:
  explicit AnswerGap(QWidget* parent);
  const QString& Text() const { return text_; }

 protected:
  void keyPressEvent(QKeyEvent* e) override;
  void keyReleaseEvent(QKeyEvent* e) override;

 private:
  friend void SendGapChange(AnswerGap*, const QString&);
  QString text_;
};

// Gives the gap its new text and tells the screen reader how it changed: an
// insertion when letters were added at the end, a removal when some were
// taken from it, a replacement otherwise.
void SendGapChange(AnswerGap* gap, const QString& after);

// Says `texts`, what the drill said since the last sync, through the gap,
// which has the focus: as one announcement where Qt has them (6.8), else as
// a change of the gap's name, which screen readers speak for the focused
// object. One, because a screen reader reads a name when it gets to it: a
// second change sent at once would take the place of the first.
void Announce(AnswerGap* gap, const QStringList& texts);

// Tells a screen reader that the score map was drawn anew: its summary and
// cells changed.
void MapChanged(MainWindowView* view);

}  // namespace vcq::ui
