// Opening a record whose bank is not where its first line says, and not to
// be found as Windows would find it: the learner is told which bank is
// missing and asked where it is.
#pragma once

#include <optional>
#include <string>

#include "data/StudyRecord.h"

namespace vcq {

class Program;

// The record at `path` with its bank, fully read, or nothing when the learner
// cancels the question for the bank. A bank picked must be the record's (its
// kind and question count); the record then names it at the next save.
// Throws as ReadRecord does; nothing changes in the program or on disk. A
// record read whole that cannot be saved where it is, or that the save will
// ask about (write-protected, someone else's), is said so at once.
std::optional<LoadedRecord> ReadRecordAsking(Program& app, const std::string& path);

}  // namespace vcq
