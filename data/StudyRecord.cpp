#include "data/StudyRecord.h"

#include <filesystem>

#include "data/Cp932.h"
#include "data/LineReader.h"
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

void NewRecordDefaults(const Bank& bank, Record& rec) {
  rec.OneLetter = 0;
  rec.FreeMode = 0;
  rec.OrderMode = 0;
  rec.FlashTime = 0;
  if (IsPlainLayout(bank.DataForm)) rec.LesSel[0] = 1;
  if (HasLessons(bank.DataForm))
    for (std::int32_t i = 0; i < bank.LesCount; ++i) rec.LesSel[i] = 1;
  if (HasSecondClass(bank.DataForm))
    for (std::int32_t i = 0; i < bank.LesCount2; ++i) rec.LesSel2[i] = 1;
  for (std::int32_t i = 0; i < bank.QuesCount; ++i) {
    rec.AnsCount[i] = 0;
    rec.OkLevel[i] = -1;
  }
}

}  // namespace vcq
