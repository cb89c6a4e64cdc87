// The open study record: the learner's options, study range and the progress
// of every question of the bank.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "data/Bank.h"
#include "data/FileIdentity.h"
#include "data/RecordHold.h"

namespace vcq {

using QuestionTable = std::array<std::int32_t, kMaxQuestions>;

struct Record {
  std::string RecFileName;  // UTF-8 path
  std::int32_t RecOpen = 0;
  std::string PlayerName;  // CP932
  std::int32_t FreeMode = 0;
  std::int32_t FlashTime = 0;
  std::int32_t OrderMode = 0;
  std::int32_t OneLetter = 0;
  LessonFlags LesSel{};
  LessonFlags LesSel2{};
  QuestionTable AnsCount{};
  QuestionTable OkLevel{};
  RecordHold hold;   // no other program opens the record meanwhile
  FileStamp onDisk;  // the file as last read or written: a save checks it is still that
  // The first line as read (CP932), saved back as it is while it finds the
  // bank (a record from Windows keeps opening there); empty: the bank's path.
  std::string BankLine;
};

}  // namespace vcq
