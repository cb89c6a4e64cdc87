// The drill screen's window: its controls, its four timers and the
// character's picture, with the steps that belong to the window itself,
// which are the only ones that start and stop its timers. TfrmQues
// (DrillScreen.h) adds the window's events, which drive the drill's steps;
// the steps see the window as this class, so that none of them depends on
// the events that call it.
//
// Every control is a Control the view mirrors. Font sizes are in pixels
// throughout; the sizes the drill sets in points are converted as a 96 dpi
// screen does (Pt(16) is 21 px). A Width or Height of 0 means a label that
// sizes itself to its text at Left, Top. Font families, static texts and
// pictures are the view's fixed layout.
#pragma once

#include <array>
#include <memory>

#include "drill/Checked.h"
#include "drill/DrillContext.h"
#include "drill/DrillState.h"
#include "drill/Spoken.h"
#include "platform/Control.h"
#include "platform/Ports.h"

namespace vcq {

inline constexpr int kQuesClientWidth = 593;
inline constexpr int kQuesClientHeight = 423;
inline constexpr int kQuesOuterWidth = 600;
inline constexpr int kQuesOuterHeight = 450;

// Points as pixels on a 96 dpi screen, rounded.
constexpr int Pt(int points) {
  return (points * 96 + 36) / 72;
}

// One of the drill screen's timers. Anyone may look at it; only the screen's
// own steps start, stop and time it, so that every change to the drill's
// pace is found in QuesWindow and TfrmQues.
class QuesTimer {
 public:
  const Timer* operator->() const { return timer_.get(); }

 private:
  friend class QuesWindow;
  friend class TfrmQues;
  void Start() { timer_->SetEnabled(true); }
  void Stop() { timer_->SetEnabled(false); }
  void SetInterval(int ms) { timer_->SetInterval(ms); }

  std::unique_ptr<Timer> timer_;
};

class QuesWindow {
 public:
  explicit QuesWindow(DrillLinks links);
  QuesWindow(const QuesWindow&) = delete;
  QuesWindow& operator=(const QuesWindow&) = delete;

  // Back to the main window. No timer stops: what runs completes hidden.
  void LeaveDrill();
  void HideChoices();
  void ResetChoiceColors();

  // After a judged answer: the right-answer animation, whose end moves the
  // drill on, or the wrong-answer one, after which the same gap or choice
  // waits for the correction. The right one runs ten times as fast in review.
  void StartAnswerAnim(bool right);
  // The pause before the next batch: tmrStart announces it, then begins it.
  void AnnounceNextBatch();
  // The flash display: the full sentence for two ticks of `intervalMs`.
  void StartFlashTimer(int intervalMs);
  void StopFlashTimer();

  void tmrNGTimer();

  // The answer list, the choice panels and the marks by batch position or
  // choice number; past the table is a RangeError.
  Control& AnsList(int i) { return At(a, i, "答の欄"); }
  Control& ChoicePnl(int i) { return At(s, i, "選択肢"); }
  Control& MarkList(int i) { return At(lox, i, "○×の欄"); }

  // The window: Caption, Visible, Left and Top (the main window's), outer
  // Width and Height; its client area is 593 x 423.
  Control form;

  Control SpeedBar, pnlQuit, imgQuit, Label11, lblDName, imgMouse, imgKB;
  Control pnlQues, w1, w3, w2, imgEsper;
  // The character's picture: 0 its first one, 1 to 7 that of imgU1 to imgU7.
  int EsperPicture = 0;
  Control pnlMes, lblMes, Image1, lblOks, Image2, lblNgs;
  Control Panel3, lblTitle, lblTestCnt, lblTen;
  std::array<Control, kBatchSize> a;    // a0 .. a9
  std::array<Control, kBatchSize> lox;  // lox0 .. lox9
  Control lblAnsAbout;
  Control pnlSel;
  std::array<Control, kChoicePanels> s;       // s0 .. s8; s[i] has Tag i
  std::array<Control, kChoicePanels> sLabel;  // Label1 .. Label9, the digits on them
  Control pnlInf, Image3, Label10, pnlorder, pnlHint, pnlFlash;

  // Typed keys must arrive as plain characters: the view switches the input
  // method off while this is set.
  bool ImeOff = false;
  // Font colour of the answer line w3.
  Rgb AnsColor = colors::kWhite;
  // What a screen reader says of the verdicts; w2 is the answer gap.
  Spoken Said;

  // What the drill's steps work on; a test runs single steps with it.
  const DrillContext& Context() const { return ctx_; }

  QuesTimer tmrOK, tmrNG, tmrStart, tmrFlash;
  int OkStep = 0;
  int NgStep = 0;
  int StartStep = 0;
  bool FlashHalf = false;  // the flash's second tick is the last

 protected:
  DrillContext ctx_;
};

}  // namespace vcq
