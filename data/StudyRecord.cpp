#include "data/StudyRecord.h"

#include "data/BankSearch.h"
#include "data/Cp932.h"
#include "data/LineReader.h"
#include "data/WindowsNames.h"
#include "platform/Error.h"

namespace vcq {

LoadedRecord ReadRecordOnly(const std::string& path, const RecordHold& open) {
  LoadedRecord r;
  // Taken before reading: a change made meanwhile then shows at the next save.
  r.place = RecordPlace::Take(path, open);
  r.file = ParseRecord(ReadWholeFile(path), path);
  return r;
}

void LoadRecordBank(LoadedRecord& r, const std::string& bankPath, bool keepLine) {
  r.bank.QuesFileName = bankPath;
  if (!keepLine) PathToCp932(r.bank.QuesFileName);  // it must be writable back into the record
  r.bankLine = keepLine ? r.file.QuesFileLine : std::string();
  LoadBank(r.bank, r.file.LesSel);
}

LoadedRecord ReadRecord(const std::string& path, const RecordHold& open) {
  LoadedRecord r = ReadRecordOnly(path, open);
  const BankSearch found = FindBank(r.file.QuesFileLine, path);
  if (!found.Found()) throw IoError(MissingBankMessage(found, r.file.QuesFileLine, path));
  LoadRecordBank(r, found.path, found.KeepsLine());
  return r;
}

void NewRecordDefaults(const Bank& bank, Record& rec) {
  rec.Options() = {};
  rec.FreeMode = 0;
  if (IsPlainLayout(bank.DataForm)) rec.LesSel[0] = 1;
  if (HasLessons(bank.DataForm))
    for (std::int32_t i = 0; i < bank.LesCount; ++i) rec.LesSel[i] = 1;
  if (HasSecondClass(bank.DataForm))
    for (std::int32_t i = 0; i < bank.LesCount2; ++i) rec.LesSel2[i] = 1;
  for (std::int32_t i = 0; i < bank.QuesCount; ++i) {
    rec.AnsCount[i] = 0;
    rec.OkLevel[i] = kLevelUnanswered;
  }
}

}  // namespace vcq
