// The player window: a modal box with one line of entry, used to ask for the
// player's name and for the name of a new record.
#pragma once

#include <string>

#include "data/Limits.h"
#include "platform/Control.h"
#include "platform/Ports.h"

namespace vcq {

class TfrmInput {
 public:
  TfrmInput(DialogPort& dialogs, SoundPort& sound);

  // Shows the window modally with InputCaption and InputPrompt; returns when
  // it has closed. InputText then holds the answer, empty when cancelled.
  void ShowModal();

  void FormShow();
  // The learner edited the box: `cp932` is its new text, kept to 12 bytes
  // without splitting a character. A longer text is cut, and the window says
  // so with the error cue and lblNote.
  void MaskEdit1Change(const std::string& cp932);
  // The same from the window's own text (UTF-8): a character that CP932 has
  // no form for is refused as it is typed, with the cue and lblNote, so
  // that what the box shows is what the record keeps.
  void MaskEdit1Typed(const std::string& utf8);
  void BitBtn1Click();  // OK, also Enter
  void BitBtn2Click();  // Cancel, also Esc
  void FormKeyDown(int key);
  void FormClose();  // the title bar's close button

  Control form;              // Caption, Visible
  Control Label1;            // the prompt
  Control MaskEdit1;         // Caption is the entry box's text
  Control lblNote;           // why the last edit was not taken whole; empty when it was
  Control BitBtn1, BitBtn2;  // OK and Cancel: their places
  std::string InputCaption;
  std::string InputPrompt;
  std::string InputText;

 private:
  void Refuse(const std::string& note);

  DialogPort& dialogs_;
  SoundPort& sound_;
};

}  // namespace vcq
