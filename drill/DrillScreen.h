// The drill screen: its keys and clicks, its timers' ticks and leaving.
// Its controls and the steps of the window itself are QuesWindow's; what it
// shows is laid out by Presentation, typed answers go to TypedAnswer, choices
// to ChoiceQues, and the course of the drill is DrillCourse's. Nothing in drill/
// includes this file: the events are the top of the drill.
#pragma once

#include "drill/DrillContext.h"
#include "drill/QuesWindow.h"

namespace vcq {

class TfrmQues : public QuesWindow {
 public:
  explicit TfrmQues(DrillLinks links);

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
  // Whether panel `tag` takes the mouse now: a press and a release over a
  // panel hidden or shut meanwhile are the drill's no longer.
  bool ChoiceTakesMouse(int tag) const;
  void tmrStartTimer();
  void tmrOKTimer();
  void tmrFlashTimer();

  // Runs a right answer's animation, still going after the drill was left,
  // to its end at once: the answer counts before the record is saved.
  void SettleAnswer();
};

}  // namespace vcq
