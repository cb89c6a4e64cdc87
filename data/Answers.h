// What a learner can answer, as both the drill and the bank checker need
// it: the characters a gap can be typed with, the one comparison rule, and
// the phrase a choice question expects.
#pragma once

#include <string>
#include <string_view>

#include "data/TextUtil.h"

namespace vcq {

// Letters and ! " ' , - . ? : what a gap can hold.
bool IsAnswerChar(char ch);

// The one comparison rule for typed and picked answers: letter case never
// matters, nothing else is forgiven.
bool SameAnswer(std::string_view a, std::string_view b);

// A choice as its panel shows it: underscores as blanks, cut to a choice's
// limit.
std::string ShownChoice(std::string_view item);

// The phrase a pick is judged against, from the answer sentence's words:
// the last gap's word, underscores as blanks, cut to a text's limit. Empty
// without a gap.
std::string ExpectedPick(const Fields& words);

}  // namespace vcq
