// Opening, creating and saving the study record, on the program's state.
#pragma once

#include <optional>
#include <string>

#include "data/Bank.h"
#include "data/Record.h"
#include "data/RecordFile.h"

namespace vcq {

class Program;

// A record file and its bank, both read whole and not yet in use.
struct LoadedRecord {
  std::string path;
  RecordFile file;
  Bank bank;
};

// Reads the record at `path` and the bank it names. A bank path that no
// longer exists (a moved folder, a path written on Windows) is looked for
// once more beside the record. Throws on any failure; nothing changes.
LoadedRecord ReadRecord(const std::string& path);

// Makes a fully read record the open one. Questions the record has no line
// for (the bank has grown) start as in a new record.
void CommitRecord(Program& app, LoadedRecord&& loaded);

// Saves the open record over its file, atomically.
void WriteRecord(Program& app);

// Options, range and progress of a new record on `bank`.
void NewRecordDefaults(const Bank& bank, Record& rec);

// The two prompts of a new record; each returns the typed text, empty when
// the learner cancelled or typed nothing.
std::string AskPlayerName(Program& app);
std::string AskRecordName(Program& app);

// The path of a new record named `cp932Name` in the work folder, or nothing
// when the learner declined to replace an existing file. A name that is not
// a plain file name is refused with an IoError.
std::optional<std::string> NewRecordPath(Program& app, const std::string& cp932Name);

}  // namespace vcq
