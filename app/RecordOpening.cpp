#include "app/RecordOpening.h"

#include <filesystem>

#include "app/FilePicking.h"
#include "app/Program.h"
#include "app/RecordSteps.h"
#include "data/BankSearch.h"
#include "data/WindowsNames.h"
#include "platform/Error.h"

namespace vcq {

namespace {

// A bank changed since the record was saved (replaced, re-imported, edited
// elsewhere): the record's progress lines are by position, so opening it on
// this bank moves or drops progress. Only the learner's yes opens it.
bool BankFitsRecord(Program& app, const LoadedRecord& r) {
  const RecordFile& f = r.file;
  const Bank& b = r.bank;
  if (SameShape(b, f)) return true;
  std::string what;
  if (b.DataKind == f.DataKind && b.QuesCount < f.QuesCount)
    what = "問題 " + std::to_string(b.QuesCount + 1) + " から " + std::to_string(f.QuesCount) +
           " の進み具合は、次に保存するときになくなります";
  else if (b.DataKind == f.DataKind)
    what = "増えた問題は未回答から始まります";
  else
    what = "進み具合は問題の順のまま新しい問題に当てはめられます";
  return app.ports.dialogs.AskYesNo(ChangedBankMessage(r.place.RecFileName, b, f) +
                                    "。問題ファイルに合わせて開きますか (" + what + ")");
}

// Before the learner drills, not at the end when the progress is at stake.
LoadedRecord Noticed(Program& app, LoadedRecord r) {
  if (const std::string notice = SaveNotice(r.place.RecFileName); !notice.empty())
    app.ports.dialogs.ShowInfo(notice);
  return r;
}

}  // namespace

std::optional<LoadedRecord> ReadRecordAsking(Program& app, const std::string& path) {
  LoadedRecord r = ReadRecordOnly(path, app.rec.hold);
  const std::string& line = r.file.QuesFileLine;
  const BankSearch found = FindBank(line, path);
  if (found.Found()) {
    LoadRecordBank(r, found.path, found.KeepsLine());
    if (!BankFitsRecord(app, r)) return std::nullopt;
    return Noticed(app, std::move(r));
  }
  app.ports.dialogs.ShowInfo(MissingBankMessage(found, line, path) +
                             "。\n問題ファイルがどこにあるか選んでください。");
  const std::filesystem::path record(path);
  auto picked = PickFile(
      app,
      {"成績「" + DisplayPath(record.filename().string()) + "」の問題ファイルを選んでください。",
       "問題 | *.dat", record.parent_path().string()},
      {path});
  if (!picked) return std::nullopt;
  LoadRecordBank(r, *picked, false);
  // As for a bank that changed since it was opened: the progress lines belong
  // to questions of this kind and number only.
  if (!SameShape(r.bank, r.file))
    throw IoError("「" + DisplayPath(*picked) + "」はこの成績の問題ファイルではありません (種類 " +
                  std::to_string(r.file.DataKind) + "・問題数 " + std::to_string(r.file.QuesCount) +
                  " のはずです)");
  return Noticed(app, std::move(r));
}

}  // namespace vcq
