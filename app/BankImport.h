// `vcquick --import IN.csv OUT.dat`: a bank made in a spreadsheet, checked
// as `--check` checks a bank, and written only when nothing is wrong.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace vcq {

struct ImportedBank {
  std::string bytes;                  // the bank file (CP932, CR LF); empty when problems
  std::vector<std::string> problems;  // "name:row:col: message", in the checker's words
};

// The bank a CSV (or tab-separated) text describes, and every problem of it,
// each named at its row and column of the CSV. `csvName` is for messages.
ImportedBank ImportBank(std::string_view csvBytes, const std::string& csvName);

// A CSV file a learner names, read whole if it is a plain file of a size a
// spreadsheet's bank can have (IoError naming it otherwise).
std::string ReadCsvFile(const std::string& path);

// Reads `csvPath` and writes the bank to `bankPath` atomically; an existing
// `bankPath` is replaced only when `force`, and never when it is the CSV
// itself (by device and inode: through a link too). Messages go to `err`.
// Returns the exit status: 0 written, 1 when there is any problem (nothing
// is written).
int RunBankImport(const std::string& csvPath, const std::string& bankPath, bool force,
                  std::string& err);

}  // namespace vcq
