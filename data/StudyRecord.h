// Reading a study record with its bank, and the start of a new one: plain
// values in and out. The commands that act on the program are in app/.
#pragma once

#include <string>

#include "data/Bank.h"
#include "data/Record.h"
#include "data/RecordFile.h"

namespace vcq {

// A record file and its bank, both read whole and not yet in use, with the
// hold on the record and the file as it was read.
struct LoadedRecord {
  RecordPlace place;
  RecordFile file;
  Bank bank;
  // The first line to save back as it is (CP932), when it still finds the
  // bank; empty: the save names the bank's path.
  std::string bankLine;
};

// Reads the record at `path` and the bank it names, found as FindBank finds
// it (data/BankSearch.h). Throws on any failure, a bank not found included,
// and when another program has the record open; nothing changes. `open` is
// the hold on the record open now, which goes on when that record is read again.
LoadedRecord ReadRecord(const std::string& path, const RecordHold& open = {});

// The two steps of ReadRecord, for a caller that asks for a bank not found:
// the record alone, then the bank at `bankPath`. `keepLine`: the record's
// first line is saved back as it is.
LoadedRecord ReadRecordOnly(const std::string& path, const RecordHold& open = {});
void LoadRecordBank(LoadedRecord& r, const std::string& bankPath, bool keepLine);

// Options, range and progress of a new record on `bank`.
void NewRecordDefaults(const Bank& bank, Record& rec);

}  // namespace vcq
