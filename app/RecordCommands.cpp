// The main window's record commands: F2 opens a record, F3 creates one, and
// every command that leaves the record saves it first.
#include <filesystem>

#include "app/CsvBankPick.h"
#include "app/FilePicking.h"
#include "app/MainWindow.h"
#include "app/Program.h"
#include "app/RecordOpening.h"
#include "app/RecordSteps.h"
#include "data/Cp932.h"
#include "data/PlainFile.h"
#include "data/RecordFolder.h"
#include "drill/QuesOrder.h"
#include "platform/Cues.h"
#include "platform/Error.h"

namespace vcq {

namespace fs = std::filesystem;

namespace {

std::string FolderOf(const std::string& path) {
  return fs::path(path).parent_path().string();
}

constexpr std::string_view kGoOnWithoutSaving = "保存せずに続けますか";

std::string Ask(Program& app, const char* prompt) {
  TfrmInput& w = app.frmInput;
  w.InputCaption = "VocaraforWindows";
  w.InputPrompt = Sj(prompt);
  w.ShowModal();
  return w.InputText;
}

std::string AskPlayerName(Program& app) {
  return Ask(app, "あなたの名前を入れてください。");
}

std::string AskRecordName(Program& app) {
  return Ask(app, "成績に名前を付けてください。");
}

std::string NewRecordPath(const Program& app, const std::string& cp932Name) {
  const std::string name = ToUtf8(cp932Name);
  if (name.find('/') != std::string::npos || name == "." || name == "..")
    throw IoError("成績の名前「" + name + "」は使えません。「/」を含まない名前を付けてください。");
  const std::string folder = NewRecordFolder(app.paths.workDir, app.paths.learnerDir);
  return (fs::path(folder) / (name + ".ret")).string();
}

std::optional<RecordPlace> ClaimNewRecord(Program& app, const std::string& path,
                                          const RecordHold& open) {
  // Before asking to replace a file: one open elsewhere, or one that is no
  // plain file and could never be replaced, is refused outright.
  RequirePlainOrAbsent(path);
  RecordPlace place = RecordPlace::Take(path, open);
  const std::string file = fs::path(path).filename().string();
  std::error_code ec;
  if (fs::exists(path, ec) &&
      !app.ports.dialogs.AskYesNo("「" + file + "」はすでにあります。上書きしますか"))
    return std::nullopt;
  // Agreed to, the file there now is the one the first save replaces.
  place.onDisk = StampOf(path);
  if (fs::path(path).parent_path() != fs::path(app.paths.workDir))
    app.ports.dialogs.ShowInfo("「" + app.paths.workDir + "」には書き込めないため、成績は「" +
                               path + "」に作ります。");
  return place;
}

}  // namespace

bool TfrmMain::SaveIfOpen(std::string_view goOnWithout) {
  // Every save comes before the record could be replaced or the program end.
  app_.frmQues.SettleAnswer();
  if (app_.rec.RecOpen != 1) return true;
  std::string failed;
  try {
    WriteRecord(app_);
    return true;
  } catch (const Error& e) {
    failed = e.what();
  }
  // A save that can never succeed here (a folder the learner may not write
  // to, a read-only disk) must not trap the learner: the record can go
  // elsewhere, or be left; staying, the default, keeps the progress.
  enum : std::size_t { kElsewhere, kWithout, kStay };
  for (;;) {
    const std::size_t choice = app_.ports.dialogs.AskChoice(
        failed + "。" + std::string(goOnWithout), {"別の場所に保存...", "はい", "いいえ"});
    if (choice == kWithout) return true;
    if (choice != kElsewhere) return false;
    const std::string name = fs::path(app_.rec.RecFileName).filename().string();
    auto picked = PickFile(app_, {"成績の保存先を選んでください。",
                                  "成績 |*.ret",
                                  NewRecordFolder(app_.paths.workDir, app_.paths.learnerDir),
                                  {},
                                  name});
    if (!picked) continue;
    try {
      if (WriteRecordElsewhere(app_, *picked)) return true;
    } catch (const Error& e) {
      failed = e.what();
    }
  }
}

void TfrmMain::CloseRecordWindows() {
  // They belong to the record that was open: the options window's copies for
  // Cancel and the range window's lesson names must not reach the next one.
  app_.frmSel.form.Visible = false;
  app_.frmOption.form.Visible = false;
  app_.frmScoreTable.form.Visible = false;
}

void TfrmMain::RestartOrder() {
  app_.drill.OrderPos = 0;
  app_.drill.PassStart = 0;
  BuildQuesOrder(app_.drill, app_.bank.QuesCount, app_.rec.OrderMode, app_.ports.clock.NowUtc());
}

std::string TfrmMain::ChosenBankPath() const {
  return chosenBank_ ? chosenBank_->QuesFileName : std::string();
}

void TfrmMain::ReloadBank() {
  Bank fresh = app_.bank;
  LoadBank(fresh, app_.rec.LesSel);
  // The record's progress is by position: on a bank of another kind or size
  // it would be saved onto other questions, or cut. It keeps the bank it was
  // opened on until the learner opens it again (F2 asks then).
  if (!SameShape(fresh, app_.bank))
    throw IoError("問題ファイル「" + app_.bank.QuesFileName + "」は成績を開いた後で変わりました (" +
                  std::to_string(app_.bank.QuesCount) + " 問から " +
                  std::to_string(fresh.QuesCount) +
                  " 問へ)。成績は開いたときの問題のまま保存します");
  app_.bank = std::move(fresh);
}

void TfrmMain::cmdOpen() {
  app_.Play(cue::kCommand);
  if (!SaveIfOpen(kGoOnWithoutSaving)) return;
  auto picked = PickFile(app_, {"成績を選んでください。", "成績 |*.ret", app_.paths.workDir},
                         {ChosenBankPath()});
  if (picked) {
    app_.paths.workDir = FolderOf(*picked);
    if (std::optional<LoadedRecord> loaded = ReadRecordAsking(app_, *picked)) {
      CommitRecord(app_, std::move(*loaded));
      CloseRecordWindows();
      chosenBank_.reset();
    }
  }
  if (app_.rec.RecOpen == 1) {
    ReloadBank();
    RestartOrder();
  }
  ShowRecord();
}

void TfrmMain::cmdFileCreate() {
  app_.Play(cue::kCommand);
  NewCancel = 0;
  if (!SaveIfOpen(kGoOnWithoutSaving)) return;
  auto picked = PickFile(
      app_,
      {"取り組む問題を選んでください。", "問題 | *.dat;*.csv;*.tsv;*.txt", app_.paths.workDir},
      {ChosenBankPath()});
  if (picked) {
    app_.paths.workDir = FolderOf(*picked);
    picked = BankFileForPick(app_, *picked);
  }
  if (picked) {
    try {
      ToCp932(*picked);
    } catch (const ConvertError&) {
      throw IoError("問題ファイルの場所「" + *picked +
                    "」には Shift-JIS で書けない文字があるため、成績に記録できません。"
                    "フォルダかファイルの名前を変えてください。");
    }
    if (app_.rec.RecOpen == 1) {
      // The open record keeps its own bank until a new record takes this one.
      Bank b = app_.bank;
      b.QuesFileName = *picked;
      LessonFlags unused{};
      LoadBank(b, unused);
      chosenBank_ = std::move(b);
    } else {
      app_.bank.QuesFileName = *picked;
      LoadBank(app_.bank, app_.rec.LesSel);
      chosenBank_.reset();
    }
    app_.QuesChosen = 1;
  }
  if (app_.QuesChosen == 1) {
    const std::string player = AskPlayerName(app_);
    std::string name;
    if (!player.empty()) name = AskRecordName(app_);
    std::optional<RecordPlace> place;
    if (!name.empty()) place = ClaimNewRecord(app_, NewRecordPath(app_, name), app_.rec.hold);
    if (!place) {
      NewCancel = 1;
    } else {
      if (chosenBank_) app_.bank = std::move(*chosenBank_);
      chosenBank_.reset();
      Record rec;
      rec.Place() = std::move(*place);
      rec.PlayerName = player;
      NewRecordDefaults(app_.bank, rec);
      rec.RecOpen = 1;
      app_.rec = std::move(rec);
      CloseRecordWindows();
      RestartOrder();
    }
  }
  ShowRecord();
}

void TfrmMain::ShowRecord() {
  if (app_.rec.RecOpen != 1) return;
  ReloadBank();
  CountLesQues(mapCanvas);
  DrawScoreMap(mapCanvas);
  ShowRecordCommands();
}

}  // namespace vcq
