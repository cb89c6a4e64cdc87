#include "app/CsvBankPick.h"

#include <filesystem>

#include "app/BankImport.h"
#include "app/Program.h"
#include "data/AtomicSave.h"
#include "data/RecordFolder.h"
#include "platform/Error.h"

namespace vcq {

namespace fs = std::filesystem;

namespace {

bool IsCsv(const fs::path& p) {
  std::string ext = p.extension().string();
  for (char& c : ext) c = static_cast<char>(c >= 'A' && c <= 'Z' ? c + 0x20 : c);
  return ext == ".csv";
}

}  // namespace

std::optional<std::string> BankFileForPick(Program& app, const std::string& picked) {
  const fs::path csv(picked);
  if (!IsCsv(csv)) return picked;
  const ImportedBank bank = ImportBank(ReadCsvFile(picked), csv.filename().string());
  if (!bank.problems.empty()) {
    std::string message = "「" + csv.filename().string() + "」は問題ファイルにできません:";
    for (const std::string& p : bank.problems) message += "\n" + p;
    throw IoError(message);
  }
  const std::string here = csv.parent_path().string();
  const std::string folder = NewRecordFolder(here, app.paths.learnerDir);
  const fs::path dat = fs::path(folder) / csv.filename().replace_extension(".dat");
  std::error_code ec;
  if (fs::exists(dat, ec) && !app.ports.dialogs.AskYesNo("「" + dat.filename().string() +
                                                         "」はすでにあります。上書きしますか"))
    return std::nullopt;
  if (folder != here)
    app.ports.dialogs.ShowInfo("「" + here + "」には書き込めないため、問題ファイルは「" +
                               dat.string() + "」に作ります。");
  WriteFileAtomically(dat.string(), bank.bytes);
  return dat.string();
}

}  // namespace vcq
