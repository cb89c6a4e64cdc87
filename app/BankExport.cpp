#include "app/BankExport.h"

#include <filesystem>

#include "data/AtomicSave.h"
#include "data/BankCsv.h"
#include "data/LineReader.h"
#include "data/PlainFile.h"
#include "platform/Error.h"

namespace vcq {

int RunBankExport(const std::string& bankPath, const std::string& outPath, std::string& out,
                  std::string& err) {
  try {
    const std::string csv = BankToCsv(ReadWholeFile(bankPath), bankPath);
    if (outPath.empty()) {
      out += csv;
      return 0;
    }
    std::error_code ec;
    if (std::filesystem::equivalent(bankPath, outPath, ec))
      throw IoError("「" + outPath + "」は書き出す元の問題ファイルそのものです");
    RequirePlainOrAbsent(outPath);
    WriteFileAtomically(outPath, csv);
    return 0;
  } catch (const Error& e) {
    err += std::string(e.what()) + "\n";
    return 1;
  }
}

}  // namespace vcq
