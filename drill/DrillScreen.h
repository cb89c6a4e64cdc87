// The drill screen: its controls, its keys and clicks, its four timers and
// the character's animations. What it shows is laid out by Presentation,
// typed answers go to TypedAnswer, choices to ChoiceQues, and the course of
// the drill is Grading's.
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

class TfrmQues {
 public:
  explicit TfrmQues(DrillLinks links);
  TfrmQues(const TfrmQues&) = delete;
  TfrmQues& operator=(const TfrmQues&) = delete;

  // Shows the screen; FormShow runs when it was hidden.
  void Show();

  // Event handlers.
  void FormShow();
  void FormKeyDown(int key);   // virtual key code
  void FormKeyPress(char ch);  // the character a key gives
  void FormKeyUp(int key);
  void pnlQuitClick();  // the quit button or its picture
  // The mouse on choice panel s0 .. s8, told apart by Tag. The view calls
  // s0Click when the button is released over the panel it went down on.
  void s0MouseDown(int tag);
  void s0MouseUp(int tag);
  void s0Click(int tag);
  void tmrStartTimer();
  void tmrOKTimer();
  void tmrNGTimer();
  void tmrFlashTimer();  // in Presentation.cpp

  // Back to the main window. No timer stops: what runs completes hidden.
  void LeaveDrill();
  // Runs a right answer's animation, still going after the drill was left,
  // to its end at once: the answer counts before the record is saved.
  void SettleAnswer();
  void HideChoices();
  void ResetChoiceColors();

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

  // What the drill's steps work on; a test runs single steps with it.
  const DrillContext& Context() const { return ctx_; }

  std::unique_ptr<Timer> tmrOK, tmrNG, tmrStart, tmrFlash;
  int OkStep = 0;
  int NgStep = 0;
  int StartStep = 0;
  int FlashHalf = 0;

 private:
  DrillContext ctx_;
};

// Answer keys and choice clicks act only while this holds: a question of the
// current batch is being asked.
bool AnswersAccepted(const DrillState& drill);

}  // namespace vcq
