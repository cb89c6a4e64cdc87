// `vcquick --export BANK.dat [OUT.csv] [--force]`: a bank as a spreadsheet
// opens it (data/BankCsv.h describes the rows and columns).
#pragma once

#include <string>

#include "platform/Said.h"

namespace vcq {

// What --export and --import say of a file they would replace without --force.
constexpr Said kExists{"'{}' exists already; add --force to replace it",
                       "「{}」はすでにあります。置き換えるには --force を付けてください"};

// Writes the CSV of `bankPath` to `outPath` atomically, or to `out` (the
// standard output) when `outPath` is empty. An existing `outPath` is
// replaced only when `force`, and never when it is the bank itself (by
// device and inode: through a link too); nor is the bank written to when
// the standard output is appended to it. Messages go to `err`, in `lang`. Returns the
// exit status: 0 done, 1 when the bank cannot be read or the file not
// written.
int RunBankExport(const std::string& bankPath, const std::string& outPath, std::string& out,
                  std::string& err, bool force = false, Lang lang = Lang::Ja);

}  // namespace vcq
