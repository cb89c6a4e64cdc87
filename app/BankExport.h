// `vcquick --export BANK.dat [OUT.csv]`: a bank as a spreadsheet opens it
// (data/BankCsv.h describes the rows and columns).
#pragma once

#include <string>

namespace vcq {

// Writes the CSV of `bankPath` to `outPath` (replaced atomically), or to
// `out` when `outPath` is empty. Messages go to `err`. Returns the exit
// status: 0 done, 1 when the bank cannot be read or the file not written.
int RunBankExport(const std::string& bankPath, const std::string& outPath, std::string& out,
                  std::string& err);

}  // namespace vcq
