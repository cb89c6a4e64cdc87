#include "app/RecordSteps.h"

#include <algorithm>
#include <filesystem>

#include "app/Program.h"
#include "data/AtomicSave.h"
#include "data/Cp932.h"
#include "platform/Error.h"

namespace vcq {

namespace fs = std::filesystem;

void CommitRecord(Program& app, LoadedRecord&& loaded) {
  const RecordFile& f = loaded.file;
  Record rec;
  rec.RecFileName = loaded.path;
  rec.RecOpen = 1;
  rec.Values() = f.Values();
  // Lessons the bank gained since the record was written start selected, as
  // in a new record; otherwise their questions would never be asked.
  const Bank& b = loaded.bank;
  for (std::int32_t i = std::max(f.LesCount, 0); i < b.LesCount; ++i) rec.LesSel[i] = 1;
  for (std::int32_t i = std::max(f.LesCount2, 0); i < b.LesCount2; ++i) rec.LesSel2[i] = 1;
  rec.hold = std::move(loaded.hold);
  rec.onDisk = loaded.onDisk;
  rec.BankLine = std::move(loaded.bankLine);
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
  WriteFileAtomically(rec.RecFileName, bytes, app.fileOps, &rec.onDisk, &rec.hold);
}

}  // namespace vcq
