#include "app/BankExport.h"

#include <unistd.h>

#include <filesystem>

#include "data/AtomicSave.h"
#include "data/BankCsv.h"
#include "data/FileIdentity.h"
#include "data/LineReader.h"
#include "data/PlainFile.h"
#include "platform/Error.h"

namespace vcq {

int RunBankExport(const std::string& bankPath, const std::string& outPath, std::string& out,
                  std::string& err, bool force, Lang lang) {
  try {
    const std::string csv = BankToCsv(ReadWholeFile(bankPath), bankPath);
    if (outPath.empty()) {
      // `vcquick --export b.dat >> b.dat`
      const FileStamp stdOut = StampOfOpen(STDOUT_FILENO), bank = StampOf(bankPath);
      if (stdOut.exists && bank.exists && stdOut.device == bank.device &&
          stdOut.inode == bank.inode)
        throw IoError(Say({"standard output is the bank '{}' itself",
                           "標準出力が書き出す元の問題ファイル「{}」そのものです"},
                          {bankPath}));
      out += csv;
      return 0;
    }
    if (SameFile(bankPath, outPath))
      throw IoError(Say({"'{}' is the bank being exported itself",
                         "「{}」は書き出す元の問題ファイルそのものです"},
                        {outPath}));
    RequirePlainOrAbsent(outPath);
    std::error_code ec;
    if (!force && std::filesystem::exists(outPath, ec)) throw IoError(Say(kExists, {outPath}));
    WriteFileAtomically(outPath, csv);
    return 0;
  } catch (const Error& e) {
    err += e.In(lang) + "\n";
    return 1;
  }
}

}  // namespace vcq
