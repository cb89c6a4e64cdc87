// The open study record: the learner's options, study range and the progress
// of every question of the bank.
#pragma once

#include <cstdint>
#include <string>

#include "data/FileIdentity.h"
#include "data/RecordHold.h"
#include "data/RecordValues.h"

namespace vcq {

// Where a record lives, as one value: the path, the hold on it and the file
// as last read or written there. Reading, making and saving a record each
// set it whole.
struct RecordPlace {
  std::string RecFileName;  // UTF-8 path
  RecordHold hold;          // no other program opens the record meanwhile
  FileStamp onDisk;         // the file as last read or written: a save checks it is still that

  // Taken at `path`: the hold `open` when it covers the path, else a new one
  // (which throws when another program has it), and the file there now.
  static RecordPlace Take(const std::string& path, const RecordHold& open);
};

// PlayerName, FreeMode, the options, LesSel, LesSel2, AnsCount and OkLevel
// are the RecordValues, as the file stores them.
struct Record : RecordValues, RecordPlace {
  std::int32_t RecOpen = 0;
  // The learner said Yes to replacing the file although it is write-protected
  // or someone else's: the saves that follow do not ask again.
  bool replaceAgreed = false;
  // The first line as read (CP932), saved back as it is while it finds the
  // bank (a record from Windows keeps opening there); empty: the bank's path.
  std::string BankLine;

  RecordPlace& Place() { return *this; }
  const RecordPlace& Place() const { return *this; }
};

}  // namespace vcq
