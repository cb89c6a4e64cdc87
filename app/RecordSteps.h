// The two steps of the record commands that change the program's record:
// making a read record the open one, and saving it.
#pragma once

#include "data/StudyRecord.h"

namespace vcq {

class Program;

// Makes a fully read record the open one. Questions the record has no line
// for (the bank has grown) start as in a new record.
void CommitRecord(Program& app, LoadedRecord&& loaded);

// Saves the open record over its file, atomically. When the file is no
// longer the one last read or written (another program, an editor), asks
// before replacing it; declined, it is a failed save (IoError).
void WriteRecord(Program& app);

}  // namespace vcq
