#include "data/StudyRecord.h"

#include <algorithm>
#include <filesystem>

#include "app/Program.h"
#include "data/Cp932.h"
#include "data/LineReader.h"
#include "data/RecordFolder.h"
#include "platform/Error.h"

namespace vcq {

namespace fs = std::filesystem;

namespace {

std::string FindBank(const std::string& recorded, const std::string& recordPath) {
  const fs::path folder = fs::path(recordPath).parent_path();
  fs::path p(recorded);
  if (p.is_relative()) p = folder / p;
  std::error_code ec;
  if (fs::is_regular_file(p, ec)) return p.string();
  // A record from another machine: its bank is usually beside it.
  const std::string name = recorded.substr(recorded.find_last_of("/\\") + 1);
  if (!name.empty() && fs::is_regular_file(folder / name, ec)) return (folder / name).string();
  throw IoError("成績「" + recordPath + "」の問題ファイル「" + recorded +
                "」が見つかりません (成績と同じフォルダにも「" + name + "」はありません)");
}

}  // namespace

LoadedRecord ReadRecord(const std::string& path, const RecordHold& open) {
  LoadedRecord r;
  r.path = path;
  r.hold = open.Covers(path) ? open : RecordHold::Take(path);
  // Before reading: a change made meanwhile then shows at the next save.
  r.onDisk = StampOf(path);
  r.file = ParseRecord(ReadWholeFile(path), path);
  r.bank.QuesFileName = FindBank(r.file.QuesFileName, path);
  ToCp932(r.bank.QuesFileName);  // it must be writable back into the record
  LoadBank(r.bank, r.file.LesSel);
  return r;
}

void CommitRecord(Program& app, LoadedRecord&& loaded) {
  const RecordFile& f = loaded.file;
  Record rec;
  rec.RecFileName = loaded.path;
  rec.RecOpen = 1;
  rec.PlayerName = f.PlayerName;
  rec.FreeMode = f.FreeMode;
  rec.FlashTime = f.FlashTime;
  rec.OrderMode = f.OrderMode;
  rec.OneLetter = f.OneLetter;
  rec.LesSel = f.LesSel;
  rec.LesSel2 = f.LesSel2;
  rec.AnsCount = f.AnsCount;
  rec.OkLevel = f.OkLevel;
  // Lessons the bank gained since the record was written start selected, as
  // in a new record; otherwise their questions would never be asked.
  const Bank& b = loaded.bank;
  for (std::int32_t i = std::max(f.LesCount, 0); i < b.LesCount; ++i) rec.LesSel[i] = 1;
  for (std::int32_t i = std::max(f.LesCount2, 0); i < b.LesCount2; ++i) rec.LesSel2[i] = 1;
  rec.hold = std::move(loaded.hold);
  rec.onDisk = loaded.onDisk;
  for (std::int32_t i = f.QuesCount; i < loaded.bank.QuesCount; ++i) {
    rec.AnsCount[i] = 0;
    rec.OkLevel[i] = -1;
  }
  app.bank = std::move(loaded.bank);
  app.rec = std::move(rec);
}

void WriteRecord(Program& app) {
  Record& rec = app.rec;
  const std::string bytes = FormatRecord(ToRecordFile(app.bank, rec));
  // A file that is gone is simply written again; there is nothing to lose.
  const FileStamp now = StampOf(rec.RecFileName);
  if (now.exists && now != rec.onDisk &&
      !app.ports.dialogs.AskYesNo("「" + rec.RecFileName +
                                  "」は他で変更されています。上書きしますか"))
    throw IoError("「" + rec.RecFileName + "」を保存できません (他で変更されています)");
  WriteFileAtomically(rec.RecFileName, bytes, app.fileOps, &rec.onDisk);
}

void NewRecordDefaults(const Bank& bank, Record& rec) {
  rec.OneLetter = 0;
  rec.FreeMode = 0;
  rec.OrderMode = 0;
  rec.FlashTime = 0;
  if (bank.DataForm == 0) rec.LesSel[0] = 1;
  if (bank.DataForm > 0)
    for (std::int32_t i = 0; i < bank.LesCount; ++i) rec.LesSel[i] = 1;
  if (bank.DataForm > 1)
    for (std::int32_t i = 0; i < bank.LesCount2; ++i) rec.LesSel2[i] = 1;
  for (std::int32_t i = 0; i < bank.QuesCount; ++i) {
    rec.AnsCount[i] = 0;
    rec.OkLevel[i] = -1;
  }
}

namespace {
std::string Ask(Program& app, const char* prompt) {
  TfrmInput& w = app.frmInput;
  w.InputCaption = "VocaraforWindows";
  w.InputPrompt = Sj(prompt);
  w.ShowModal();
  return w.InputText;
}
}  // namespace

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

std::optional<NewRecordPlace> ClaimNewRecord(Program& app, const std::string& path,
                                             const RecordHold& open) {
  NewRecordPlace place;
  place.path = path;
  // Before asking to replace a file: one open elsewhere is refused outright.
  place.hold = open.Covers(path) ? open : RecordHold::Take(path);
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

}  // namespace vcq
