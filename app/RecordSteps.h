// The steps of the record commands that change the program's record: making
// a read record the open one, and saving it, in its place or elsewhere.
#pragma once

#include <string>

#include "data/StudyRecord.h"

namespace vcq {

class Program;

// Makes a fully read record the open one. Questions the record has no line
// for (the bank has grown) start as in a new record.
void CommitRecord(Program& app, LoadedRecord&& loaded);

// Saves the open record over its file, atomically. Asks before replacing a
// file that is no longer the one last read or written (another program, an
// editor), and one that is write-protected or someone else's; declined, it
// is a failed save (IoError).
void WriteRecord(Program& app);

// Saves the open record at `path` instead (".ret" added when the name lacks
// it), which from then on is the record's place: the way out when its own
// place takes no save. False when the learner declines to replace a file
// there; IoError when the save fails. Either way the record stays where it
// was, and nothing else changes.
bool WriteRecordElsewhere(Program& app, std::string path);

// What the learner is told on opening the record at `path`: that its place
// takes no save, or that the save will ask before replacing it. Empty when
// nothing stands in the way.
std::string SaveNotice(const std::string& path);

}  // namespace vcq
