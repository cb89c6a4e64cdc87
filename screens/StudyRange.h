// The study range window: which lessons the drill asks. Modeless, no cancel:
// every click or letter key changes LesSel at once, and the main window's
// lesson labels and cells follow straight away.
#pragma once

#include <array>

#include "data/Bank.h"
#include "data/Record.h"
#include "platform/Control.h"
#include "platform/Ports.h"
#include "screens/ScoreMap.h"

namespace vcq {

class TfrmSel {
 public:
  TfrmSel(const Bank& bank, Record& rec, SoundPort& sound, const MapCanvas& canvas);

  // After the main window has shown the window: one panel per lesson of the
  // score map, and a height that fits ten or twenty of them.
  void OpenRange();

  // Event handlers.
  void pnlClick(int i);  // pnl0 .. pnl19
  // Letters "a" .. "t" toggle lessons 0 .. 19; other characters do nothing.
  void FormKeyPress(char key);
  // Enter presses the default button.
  void FormKeyDown(int key);
  // A key's character follows its FormKeyDown only while the window is
  // still up: Enter has closed it, and the character is not its key then.
  bool TakesKeyPress() const { return form.Visible; }
  void btnOnClick();
  void btnOfClick();
  void btnOkClick();
  void FormClose();  // the title bar's close button: hides, nothing else

  Control form;
  std::array<Control, kMaxLessons> pnl;     // pnl0 .. pnl19, Caption is the lesson name
  std::array<Control, kMaxLessons> lblKey;  // the key letter at each panel's left edge
  Control Label1;
  Control btnOn, btnOf, btnOk;

 private:
  void ColorPanels();
  void ToggleLesson(int i);
  // The main window's labels and cells follow the selection.
  void UpdateMain();

  const Bank& bank_;
  Record& rec_;
  SoundPort& sound_;
  const MapCanvas& canvas_;  // the main window's lesson labels and cells
};

}  // namespace vcq
