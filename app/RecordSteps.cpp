#include "app/RecordSteps.h"

#include <strings.h>

#include <algorithm>
#include <filesystem>

#include "app/Program.h"
#include "data/AtomicSave.h"
#include "data/BankSearch.h"
#include "data/Cp932.h"
#include "data/PlainFile.h"
#include "data/WriteAccess.h"
#include "platform/Error.h"

namespace vcq {

namespace fs = std::filesystem;

void CommitRecord(Program& app, LoadedRecord&& loaded) {
  const RecordFile& f = loaded.file;
  Record rec;
  rec.Place() = std::move(loaded.place);
  rec.RecOpen = 1;
  rec.Values() = f.Values();
  // Lessons the bank gained since the record was written start selected, as
  // in a new record; otherwise their questions would never be asked.
  const Bank& b = loaded.bank;
  for (std::int32_t i = std::max(f.LesCount, 0); i < b.LesCount; ++i) rec.LesSel[i] = 1;
  for (std::int32_t i = std::max(f.LesCount2, 0); i < b.LesCount2; ++i) rec.LesSel2[i] = 1;
  rec.BankLine = std::move(loaded.bankLine);
  for (std::int32_t i = f.QuesCount; i < loaded.bank.QuesCount; ++i) {
    rec.AnsCount[i] = 0;
    rec.OkLevel[i] = kLevelUnanswered;
  }
  app.bank = std::move(loaded.bank);
  app.rec = std::move(rec);
}

namespace {

std::string Quoted(const std::string& path) {
  return "「" + path + "」";
}

// "書き込み禁止" or "<owner> さんのファイル".
std::string ProtectionText(const std::string& path, Protection p) {
  return p == Protection::ReadOnly ? "書き込み禁止" : OwnerOf(path) + " さんのファイル";
}

// "「<path>」は書き込み禁止です", "「<path>」は root さんのファイルです".
std::string Protected(const std::string& path, Protection p) {
  const std::string what = ProtectionText(path, p);
  return Quoted(path) + (p == Protection::ReadOnly ? "は" : "は ") + what + "です";
}

}  // namespace

void WriteRecord(Program& app) {
  Record& rec = app.rec;
  const std::string bytes = FormatRecord(ToRecordFile(app.bank, rec));
  // A file that is gone is simply written again; there is nothing to lose.
  const FileStamp now = StampOf(rec.RecFileName);
  if (now.exists && now != rec.onDisk &&
      !app.ports.dialogs.AskYesNo(Quoted(rec.RecFileName) +
                                  "は他で変更されています。上書きしますか"))
    throw IoError(Quoted(rec.RecFileName) + "を保存できません (他で変更されています)");
  if (const Protection p = ProtectionOf(rec.RecFileName);
      p != Protection::None && !rec.replaceAgreed) {
    if (!app.ports.dialogs.AskYesNo(Protected(rec.RecFileName, p) + "。上書きしますか"))
      throw IoError(Quoted(rec.RecFileName) + "を保存できません (" +
                    ProtectionText(rec.RecFileName, p) + ")");
    rec.replaceAgreed = true;
  }
  WriteFileAtomically(rec.RecFileName, bytes, app.fileOps, &rec.onDisk, &rec.hold);
}

bool WriteRecordElsewhere(Program& app, std::string path) {
  Record& rec = app.rec;
  const fs::path picked(path);
  if (::strcasecmp(picked.extension().c_str(), ".ret") != 0) path += ".ret";
  // The record's own place, picked again: an ordinary save.
  if (rec.hold.Covers(path)) {
    WriteRecord(app);
    return true;
  }
  RequirePlainOrAbsent(path);
  RecordHold hold = RecordHold::Take(path);
  const FileStamp there = StampOf(path);
  if (there.exists) {
    const Protection p = ProtectionOf(path);
    const std::string question =
        p == Protection::None ? Quoted(fs::path(path).filename().string()) + "はすでにあります"
                              : Protected(path, p);
    if (!app.ports.dialogs.AskYesNo(question + "。上書きしますか")) return false;
  }
  // A first line kept as it was read must still find the bank from the new
  // place; otherwise the record names the bank by its path.
  std::string bankLine = rec.BankLine;
  if (!bankLine.empty()) {
    const BankSearch found = FindBank(bankLine, path);
    if (!found.KeepsLine() || !SameFile(found.path, app.bank.QuesFileName)) bankLine.clear();
  }
  RecordFile file = ToRecordFile(app.bank, rec);
  file.QuesFileLine = bankLine;
  FileStamp written;
  WriteFileAtomically(path, FormatRecord(file), app.fileOps, &written, &hold);
  rec.Place() = {path, std::move(hold), written};
  rec.BankLine = std::move(bankLine);
  rec.replaceAgreed = true;
  app.paths.workDir = fs::path(path).parent_path().string();
  return true;
}

std::string SaveNotice(const std::string& path) {
  if (const std::string why = SaveRefusedAt(path); !why.empty())
    return Quoted(path) + "は、この場所には保存できません (" + why +
           ")。学習の結果は、終わるときに別の場所に保存できます。";
  const Protection p = ProtectionOf(path);
  if (p == Protection::None) return {};
  return Protected(path, p) + "。保存するときに、上書きしてよいか確かめます。";
}

}  // namespace vcq
