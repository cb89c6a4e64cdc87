// The options window: one-letter hint, question order and flash time, and
// the learner's own setting to hear the English read aloud.
// Modeless; every change acts on the record at once. OK and Cancel (which
// first puts back the values the window opened with) both rebuild the
// question order; the title bar's close box keeps the changes and rebuilds
// nothing.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

#include "data/Bank.h"
#include "data/Record.h"
#include "drill/ReadAloud.h"
#include "platform/Control.h"
#include "platform/Ports.h"
#include "screens/ScoreMap.h"

namespace vcq {

struct DrillState;

struct RadioGroup : Control {
  std::array<std::string, 2> Items;  // CP932
  int ItemIndex = 0;
};

struct CheckBox : Control {
  bool Checked = false;
};

class TfrmOption;

// An on/off option of the record, shown as a radio group of two items: the
// view's name for the group, the group, and the record's value it sets. A
// new one is a row of TfrmOption::Choices, its group and its value.
using ChoiceGroup = RadioGroup TfrmOption::*;
using ChoiceValue = std::int32_t RecordOptions::*;
struct OptionChoice {
  const char* name;
  ChoiceGroup group;
  ChoiceValue value;
};

class TfrmOption {
 public:
  TfrmOption(const Bank& bank, Record& rec, DrillState& drill, ClockPort& clock,
             const MapCanvas& canvas, ReadAloud& readAloud);

  // After the main window has shown the window: take over the record's
  // options and keep them for Cancel.
  void OpenOption();

  // The window's radio groups, in the order they are built.
  static const std::array<OptionChoice, 2>& Choices();

  // Event handlers.
  void ChoiceClick(std::size_t choice, int index);  // item `index` of Choices()[choice]
  void RadioGroup1Click(int index) { ChoiceClick(0, index); }
  void RadioGroup2Click(int index) { ChoiceClick(1, index); }
  void pnlUpClick();
  void pnlDownClick();
  void FormKeyPress(char key);  // "+" and "-"
  void FormKeyDown(int key);    // Page Up, Page Down; Enter = OK, Esc = Cancel
  // A key's character follows its FormKeyDown only while the window is
  // still up: Enter and Esc have closed it, and the character is not its key then.
  bool TakesKeyPress() const { return form.Visible; }
  void BitBtn1Click();   // OK
  void BitBtn2Click();   // Cancel
  void FormClose();      // the title bar's close box
  void chkSpeakClick();  // read the English aloud, the learner's setting

  Control form;
  RadioGroup RadioGroup1;  // one-letter hint
  RadioGroup RadioGroup2;  // question order
  Control Panel1, Label1;
  Control pnlInf;  // FlashTime as a number
  Control pnlUp, pnlDown;
  Control Label3;
  Control BitBtn1, BitBtn2;
  CheckBox chkSpeak;  // the bottom row

  // The values the window opened with.
  RecordOptions OldOptions;
  bool OldReadAloud = false;

 private:
  // The record's options and the read-aloud setting onto the controls.
  void ShowOptions();
  void ShowFlashTime();
  void CloseAndRebuild();
  void KeepReadAloud();

  const Bank& bank_;
  Record& rec_;
  DrillState& drill_;  // its question order is rebuilt on OK and Cancel
  ClockPort& clock_;
  const MapCanvas& canvas_;
  ReadAloud& readAloud_;  // the learner's setting, not the record's
};

}  // namespace vcq
