// Choice questions: the learner picks one of up to nine phrases by its digit
// key or by a click on its panel. A choice question has one gap; the last
// "@" word of the answer sentence is the phrase expected. A wrong pick fills
// the gap in red and leaves the choices live until the right one is picked;
// the question then counts wrong for the pass. The right pick hides the
// choices, and the end of its animation finishes the question.
//
// More than nine choices: nine are shown, and the expected one is always
// among them. Only the first sixteen take part in the shuffle; an expected
// phrase further on is still brought onto a panel.
#pragma once

#include <string_view>

namespace vcq {

struct DrillContext;

void StartChoiceQues(const DrillContext& ctx);

// A character typed while a choice question is asked: "1" to "9" pick.
void ChoiceKey(const DrillContext& ctx, char ch);
// A click on the panel with this tag (0 for s0 .. 8 for s8).
void ChoiceClick(const DrillContext& ctx, int tag);

}  // namespace vcq
