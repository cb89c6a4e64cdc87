// Opening, creating and saving the study record, on the program's state.
#pragma once

#include <optional>
#include <string>

#include "data/Bank.h"
#include "data/Record.h"
#include "data/RecordFile.h"

namespace vcq {

class Program;

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

// Makes a fully read record the open one. Questions the record has no line
// for (the bank has grown) start as in a new record.
void CommitRecord(Program& app, LoadedRecord&& loaded);

// Saves the open record over its file, atomically. When the file is no
// longer the one last read or written (another program, an editor), asks
// before replacing it; declined, it is a failed save (IoError).
void WriteRecord(Program& app);

// Options, range and progress of a new record on `bank`.
void NewRecordDefaults(const Bank& bank, Record& rec);

// The two prompts of a new record; each returns the typed text, empty when
// the learner cancelled or typed nothing.
std::string AskPlayerName(Program& app);
std::string AskRecordName(Program& app);

// Where a new record named `cp932Name` goes: the work folder. A name that is
// not a plain file name is refused with an IoError.
std::string NewRecordPath(const Program& app, const std::string& cp932Name);

// A new record's place, taken: its path, the hold on it and what lies there.
struct NewRecordPlace {
  std::string path;
  RecordHold hold;
  FileStamp onDisk;
};

// Takes the place of a new record at `path`: IoError when another program
// has a record there open, nothing when the learner declined to replace an
// existing file. `open` as for ReadRecord.
std::optional<NewRecordPlace> ClaimNewRecord(Program& app, const std::string& path,
                                             const RecordHold& open);

}  // namespace vcq
