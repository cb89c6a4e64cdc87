// The drill screen on screen: a window of its own laid over the main window,
// every control of TfrmQues at its place and mirrored from the core after
// each event. Keys go to FormKeyDown / FormKeyPress / FormKeyUp, clicks to
// the quit panel and the choice panels, all through the guard.
//
// The layout (places, fonts, bevels, pictures) is in DrillScreenViewLayout.cpp;
// this file holds the events and the mirroring.
#pragma once

#include <QLabel>
#include <QPixmap>
#include <QWidget>
#include <array>
#include <cstdint>
#include <functional>

#include "platform/Control.h"
#include "ui/Mirroring.h"
#include "ui/Pictures.h"
#include "ui/ViewGuard.h"

namespace vcq {
class TfrmQues;
}

namespace vcq::ui {

// A choice panel s0 .. s8: reports the button going down, and its release
// with whether it came up over the panel it went down on.
class ChoicePanel : public QLabel {
 public:
  using QLabel::QLabel;
  std::function<bool()> accepts;  // the core takes the mouse on it
  std::function<void()> onDown;
  std::function<void(bool over)> onUp;

 protected:
  void mousePressEvent(QMouseEvent* e) override;
  void mouseReleaseEvent(QMouseEvent* e) override;

 private:
  bool pressed_ = false;
};

class AnswerGap;

class DrillScreenView : public QWidget {
 public:
  // `mainWindow` is where the screen is laid when it is shown.
  DrillScreenView(TfrmQues& core, Guard guard, QWidget* mainWindow, const QString& pictureDir);
  void Sync();
  const MirrorList& Mirrors() const { return mirrors_; }

 protected:
  void keyPressEvent(QKeyEvent* e) override;
  void keyReleaseEvent(QKeyEvent* e) override;
  void closeEvent(QCloseEvent* e) override;
  // Tab is one of the drill's keys, not a move between widgets.
  bool focusNextPrevChild(bool) override { return false; }

 private:
  void BuildLayout(const QString& pictureDir);
  void BuildSpeedBar(const QString& pictureDir);
  void BuildQuesArea(const QString& pictureDir);
  void BuildBatchArea();
  void BuildChoiceArea();
  void BuildSettingsArea(const QString& pictureDir);

  // A label in the control's font size; `family` from ui/Fonts.h.
  QLabel* Label(QWidget* parent, const char* name, const Control& c, const char* family,
                Qt::Alignment align = Qt::AlignLeft | Qt::AlignTop);
  // A coloured panel with a centred caption in the window's font.
  QLabel* Panel(QWidget* parent, const char* name, const Control& c, int frameStyle);
  QLabel* Picture(QWidget* parent, const char* name, const Control& c, const QPixmap& pixmap);
  template <typename W>
  W* Add(W* w, const char* name, const Control& c, unsigned aspects);
  void ShowOrHide();
  // Tells a screen reader, if one listens, what changed in the gap and what
  // the drill said since the last sync.
  void SyncAccessible();

  TfrmQues& core_;
  Guard guard_;
  QWidget* mainWindow_;
  MirrorList mirrors_;
  QLabel* imgEsper_ = nullptr;
  // The character's pictures by TfrmQues::EsperPicture: esper, u1 .. u7.
  std::array<LazyPixmap, 8> esper_;
  int esperShown_ = -1;
  QLabel* typed_ = nullptr;   // w2, the typed letters
  AnswerGap* gap_ = nullptr;  // over it, where the keys go
  std::uint64_t saidTold_ = 0;
};

}  // namespace vcq::ui
