// What a study record stores of the learner's: the name, the options, the
// study range and the progress of every question. The record in memory and
// the record file are both made of it, so that one assignment moves it from
// one to the other and one comparison tells whether two are alike; a new
// stored value is added here once.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "data/Bank.h"
#include "data/Levels.h"
#include "data/Limits.h"

namespace vcq {

using QuestionTable = std::array<std::int32_t, kMaxQuestions>;

// The options the options window sets, and puts back as they were on Cancel.
struct RecordOptions {
  std::int32_t FlashTime = 0;
  std::int32_t OrderMode = 0;
  std::int32_t OneLetter = 0;

  bool operator==(const RecordOptions&) const = default;
};

struct RecordValues : RecordOptions {
  std::string PlayerName;  // CP932
  std::int32_t FreeMode = 0;
  LessonFlags LesSel{};
  LessonFlags LesSel2{};
  QuestionTable AnsCount{};
  QuestionTable OkLevel{};  // kLevelUnanswered .. kLevelMastered (data/Levels.h)

  bool operator==(const RecordValues&) const = default;

  // The stored values alone, to assign or compare them as one.
  RecordValues& Values() { return *this; }
  const RecordValues& Values() const { return *this; }
  RecordOptions& Options() { return *this; }
  const RecordOptions& Options() const { return *this; }
};

}  // namespace vcq
