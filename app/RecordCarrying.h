// Carrying a class's records to a bank made again: when an import replaces a
// bank, the records on it are found and each question's progress moved to
// the question's new place (data/BankDiff.h, data/RecordCarry.h). Only on
// the learner's or teacher's word: F3's offer, or `--import ... --carry`.
#pragma once

#include <string>
#include <vector>

#include "data/Bank.h"
#include "data/BankDiff.h"
#include "data/RecordHold.h"

namespace vcq {

// The records that name the bank at `bankPath` (found as F2 finds a bank):
// those beside it and those in `places`, each a record or a folder, which
// is read without descending. Names ending in .ret in any case count; other
// files, and files that are no record, are passed over.
std::vector<std::string> RecordsOfBank(const std::string& bankPath,
                                       const std::vector<std::string>& places);

// Moves the progress of each record onto `after` (loaded from the new bank
// file) and saves it atomically, keeping a first line that still finds the
// bank. `questionsBefore` is the old bank's count: a record of another count
// was not on that bank. A record open in another program, or the one `open`
// holds (carried in memory by its owner), is left alone. One line a record
// (UTF-8), saying what became of it; a failure leaves that record whole.
struct CarryReport {
  std::vector<Text> lines;  // one a record
  int carried = 0;
  int failed = 0;
};
CarryReport CarryRecords(const std::vector<std::string>& records, std::int32_t questionsBefore,
                         const BankDiff& diff, const Bank& after, const RecordHold& open = {});

}  // namespace vcq
