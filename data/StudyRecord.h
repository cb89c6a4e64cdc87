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
  std::string path;
  RecordFile file;
  Bank bank;
  RecordHold hold;
  FileStamp onDisk;
};

// Reads the record at `path` and the bank it names. A bank path that no
// longer exists (a moved folder, a path written on Windows) is looked for
// once more beside the record. Throws on any failure, and when another
// program has the record open; nothing changes. `open` is the hold on the
// record open now, which goes on when that record is read again.
LoadedRecord ReadRecord(const std::string& path, const RecordHold& open = {});

// Options, range and progress of a new record on `bank`.
void NewRecordDefaults(const Bank& bank, Record& rec);

}  // namespace vcq
