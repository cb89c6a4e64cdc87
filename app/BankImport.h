// `vcquick --import IN.csv OUT.dat`: a bank made in a spreadsheet, checked
// as `--check` checks a bank, and written only when nothing is wrong.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/Said.h"

namespace vcq {

struct ImportedBank {
  std::string bytes;                  // the bank file (CP932, CR LF); empty when problems
  std::vector<std::string> problems;  // "name:row:col: message", in the checker's words
};

// The bank a CSV (or tab-separated) text describes, and every problem of it,
// each named at its row and column of the CSV. `csvName` is for messages.
ImportedBank ImportBank(std::string_view csvBytes, const std::string& csvName,
                        Lang lang = Lang::Ja);

// A CSV file a learner names, read whole if it is a plain file of a size a
// spreadsheet's bank can have (IoError naming it otherwise).
std::string ReadCsvFile(const std::string& path);

// The records to carry to the bank an import replaces (app/RecordCarrying.h).
struct CarryRequest {
  bool wanted = false;              // --carry: those beside the bank, and in `places`
  std::vector<std::string> places;  // records, or folders read without descending
};

// Reads `csvPath` and writes the bank to `bankPath` atomically; an existing
// `bankPath` is replaced only when `force`, and never when it is the CSV
// itself (by device and inode: through a link too). What changed against
// the bank replaced goes to `out`, with a line per record carried; problems
// go to `err`. Returns the exit status: 0 written (and every record asked
// for carried), 1 when there is any problem (nothing is written when the
// CSV has one).
int RunBankImport(const std::string& csvPath, const std::string& bankPath, bool force,
                  std::string& out, std::string& err, const CarryRequest& carry = {},
                  Lang lang = Lang::Ja);

}  // namespace vcq
