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

// Before the learner drills, not at the end when the progress is at stake.
LoadedRecord Noticed(Program& app, LoadedRecord r) {
  if (const std::string notice = SaveNotice(r.path); !notice.empty())
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
  if (r.bank.DataKind != r.file.DataKind || r.bank.QuesCount != r.file.QuesCount)
    throw IoError("「" + DisplayPath(*picked) + "」はこの成績の問題ファイルではありません (種類 " +
                  std::to_string(r.file.DataKind) + "・問題数 " + std::to_string(r.file.QuesCount) +
                  " のはずです)");
  return Noticed(app, std::move(r));
}

}  // namespace vcq
