// Which question of a bank became which when the bank was made again (an
// edited spreadsheet imported over it): questions are told by their texts,
// not their places, so that a learner's progress can follow its question.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/Said.h"

namespace vcq {

// What tells a question from the others (CP932).
struct QuestionKey {
  std::string sent;
  std::string prompt;
  bool operator==(const QuestionKey&) const = default;
};

// Every question's key, in bank order, from a bank file's bytes (CP932 or
// UTF-8); the loader's errors name `fileName`.
std::vector<QuestionKey> ReadQuestionKeys(std::string_view bankBytes, const std::string& fileName);

struct BankDiff {
  // For each question of the new bank, the old question it is (-1: new).
  std::vector<int> from;
  int moved = 0;    // the same texts at another place
  int edited = 0;   // the same sentence or the same prompt, the other text changed
  int added = 0;    // nothing of it in the old bank
  int removed = 0;  // old questions that are in the new bank no more
  int twins = 0;    // questions whose texts stand more than once in the old bank
  bool Unchanged() const { return moved + edited + added + removed == 0; }
};

// Matches the new questions to the old ones: the same sentence and prompt
// first, then (for what is left) the same sentence, then the same prompt.
// Among equals the first left in the old order is taken, so that twins keep
// their order.
BankDiff DiffQuestions(const std::vector<QuestionKey>& before,
                       const std::vector<QuestionKey>& after);

// The diff in one line for a learner or a teacher (UTF-8).
Text DescribeDiff(const BankDiff& diff);

}  // namespace vcq
