// A learner's progress carried to a bank made again: each question's answer
// count and level go with it to its new place (data/BankDiff.h).
#pragma once

#include "data/Bank.h"
#include "data/BankDiff.h"
#include "data/RecordValues.h"

namespace vcq {

// The stored values of a record on the old bank, moved onto `after` (a
// loaded bank): a matched question keeps its progress at its new place, a
// new one starts unanswered, a removed one is dropped. Lessons the new bank
// has beyond the old one's count start selected, as in a new record; the
// options and the name stay.
RecordValues CarryValues(const RecordValues& before, std::int32_t lessonsBefore,
                         std::int32_t lessons2Before, const BankDiff& diff, const Bank& after);

}  // namespace vcq
