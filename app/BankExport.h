// `vcquick --export BANK.dat [OUT.csv] [--force]`: a bank as a spreadsheet
// opens it (data/BankCsv.h describes the rows and columns).
#pragma once

#include <string>

namespace vcq {

// Writes the CSV of `bankPath` to `outPath` atomically, or to `out` (the
// standard output) when `outPath` is empty. An existing `outPath` is
// replaced only when `force`, and never when it is the bank itself (by
// device and inode: through a link too); nor is the bank written to when
// the standard output is appended to it. Messages go to `err`. Returns the
// exit status: 0 done, 1 when the bank cannot be read or the file not
// written.
int RunBankExport(const std::string& bankPath, const std::string& outPath, std::string& out,
                  std::string& err, bool force = false);

}  // namespace vcq
