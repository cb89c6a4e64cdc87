// The whole program without its screen: the bank, the open record, the drill
// and the eight windows, wired to the ports. The front end builds one and
// forwards every event through Guard; a test builds one on the fakes.
#pragma once

#include <functional>
#include <memory>
#include <set>
#include <string>

#include "app/MainWindow.h"
#include "app/Splash.h"
#include "data/AtomicSave.h"
#include "data/Bank.h"
#include "data/Record.h"
#include "data/RecordFile.h"
#include "drill/DrillScreen.h"
#include "drill/DrillState.h"
#include "drill/ReadAloud.h"
#include "platform/Ports.h"
#include "screens/Congratulations.h"
#include "screens/Options.h"
#include "screens/PlayerName.h"
#include "screens/ScoreTable.h"
#include "screens/StudyRange.h"

namespace vcq {

struct Paths {
  std::string assetDir;  // cues, pictures, help
  std::string workDir;   // where the file dialogs open and new records go
  // The learner's own folder, for new records that workDir cannot take;
  // empty when there is none.
  std::string learnerDir = {};
};

class Program {
 public:
  Program(Ports ports, Paths paths);
  Program(const Program&) = delete;
  Program& operator=(const Program&) = delete;

  // Runs one event handler. A failure of the program's kinds ends the handler
  // and is shown in the error box; the program goes on. The views are told to
  // follow the state afterwards.
  void Guard(const std::function<void()>& handler);

  // A timer whose ticks run through Guard.
  std::unique_ptr<Timer> NewTimer(int intervalMs, bool enabled, std::function<void()> onTimer);

  void Play(const struct Cue& c);

  Ports ports;
  Paths paths;
  std::function<void()> onChanged;  // the front end syncs its views here

  Bank bank;
  Record rec;
  DrillState drill;
  ReadAloud readAloud;  // the finished sentence spoken, for learners who turn it on
  std::int32_t QuesChosen = 0;
  FileOps fileOps;                     // how records are saved; a test makes a step fail
  std::set<std::string> namesOffered;  // folders whose Shift-JIS names were offered UTF-8 ones

  // The windows, created in this order.
  TfrmMain frmMain;
  TfrmInput frmInput;
  TfrmOmedeto frmOmedeto;
  TfrmOption frmOption;
  TfrmQues frmQues;
  TfrmScoreTable frmScoreTable;
  TfrmSel frmSel;
  TfrmStartPan frmStartPan;
};

}  // namespace vcq
