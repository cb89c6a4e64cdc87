// The score table's figures: per lesson the questions, the mastered ones,
// the answers given and the progress points, and the two rates made of them.
// The score table and the class table both count with these, so that a
// learner and a teacher read the same numbers.
#pragma once

#include <array>
#include <cstdint>

#include "data/Bank.h"
#include "data/RecordValues.h"

namespace vcq {

struct LessonTally {
  std::array<std::int32_t, kMaxLessons> TenQues{};
  std::array<std::int32_t, kMaxLessons> TenOk{};
  // Answers of a whole lesson: a sum of up to 600 record values, wider than
  // one so that a damaged record cannot overflow it.
  std::array<std::int64_t, kMaxLessons> TenAns{};
  std::array<std::int32_t, kMaxLessons> TenPt{};
};

// Tallies every question of `bank` with
// the record's progress. RangeError naming the bank for a question count
// beyond 600 or a question whose lesson lies outside 0..19.
LessonTally TallyLessons(const Bank& bank, const QuestionTable& AnsCount,
                         const QuestionTable& OkLevel);

// The figures of a lesson, or of the whole bank, as one tally.
struct Figures {
  std::int32_t ques = 0;
  std::int32_t ok = 0;
  std::int64_t ans = 0;
  std::int32_t pt = 0;
  std::int64_t Rate() const;        // 習得率: ok × 100 div ques, 0 without questions
  std::int64_t Evaluation() const;  // 評価: pt × 100 div ans, 0 without answers
};
Figures LessonFigures(const LessonTally& t, int lesson);
Figures WholeFigures(const LessonTally& t);

// A question's progress points: 2 mastered, 1 right once, 0 otherwise.
constexpr std::int32_t ProgressPoints(std::int32_t level) {
  return level == kLevelMastered ? 2 : level == kLevelOnce ? 1 : 0;
}

}  // namespace vcq
