// The main window: the function-key command bar, the start-up sequence, the
// record commands and the place of the score map.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "data/Bank.h"
#include "platform/Control.h"
#include "platform/Ports.h"
#include "screens/ScoreMap.h"

namespace vcq {

class Program;

inline constexpr int kMainClientWidth = 593;
inline constexpr int kMainClientHeight = 423;

class TfrmMain {
 public:
  explicit TfrmMain(Program& app);

  // Event handlers.
  void FormCreate();
  void Timer3Timer();
  void FormKeyDown(int key);
  // Runs whatever closes the window (F1, the title bar): saves the open
  // record. When the save fails, asks whether to end without saving; returns
  // false, and the window stays open, when the learner stays.
  bool FormClose();

  void pnlQuitClick() { cmdQuit(); }
  void pnlOpenClick() { cmdOpen(); }
  void pnlFileCreateClick() { cmdFileCreate(); }
  void pnlSelClick() { cmdSel(); }
  void pnlGoClick() { cmdGo(); }
  void pnlOptionClick() { cmdOption(); }
  void pnlSheetClick() { cmdSheet(); }
  void pnlClassClick() { cmdClass(); }
  void pnlHelpClick() { cmdHelp(); }
  void pnlReDrawClick() { cmdReDraw(); }

  // Commands.
  void cmdQuit();
  void cmdOpen();
  void cmdFileCreate();
  void cmdSel();
  void cmdGo();
  void cmdOption();
  void cmdSheet();
  // A teacher's look at a class's records (screens/ClassTable.h): the front
  // end asks for the folder and shows the class window, which only reads
  // records and so leaves the open one alone.
  void cmdClass();
  std::function<void()> OpenClassView;
  void cmdHelp();
  void cmdReDraw();

  void ShowStartCommands();
  void ShowRecord();
  void ShowRecordCommands();
  // Saves the open record, if any. When the save fails, asks whether to go on
  // without it (`goOnWithout` ends the question), offering to save it
  // elsewhere instead; false when the learner stays, and the command then
  // ends with the progress in memory.
  bool SaveIfOpen(std::string_view goOnWithout);

  // The window itself: Caption, Visible, outer Width and Height.
  Control form;
  bool Closed = false;  // the program ends

  Control pnlQuit, pnlOpen, pnlFileCreate;
  Control pnlSel, lblsel, lblsel2;
  Control pnlGo, lblGo, lblGo2;
  Control pnlOption, lblOption, lblOption2;
  Control pnlSheet, lblSheet, lblSheet2;
  Control pnlClass;
  Control pnlHelp, pnlReDraw, lblHelp2;
  Control lblTitle, lblPlayer;
  std::array<Control, kMaxLessons> LesPanel;  // pnl0 .. pnl19
  ScoreMap map;
  // The map with what it is drawn from and into; the windows that change what
  // it shows redraw it through this.
  MapCanvas mapCanvas;

  std::unique_ptr<Timer> Timer3;
  int StartTick = 0;
  int NewCancel = 0;
  // Right and wrong first-pass answers since the program started.
  std::int32_t OkSum = 0;
  std::int32_t NgSum = 0;

 private:
  // After the record commands: the order restarts from the top.
  void RestartOrder();
  // Loads QuesFileName again; the bank in use changes only when the load succeeded.
  void ReloadBank();
  // Hides the windows that show or edit the record that was open.
  void CloseRecordWindows();
  // The path of chosenBank_, or empty: a file in use, never renamed.
  std::string ChosenBankPath() const;

  Program& app_;
  // A bank picked with F3 while a record is open, until a new record takes it.
  std::optional<Bank> chosenBank_;
};

}  // namespace vcq
