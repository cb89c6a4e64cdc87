// Judging an answer, typed or picked alike (by SameAnswer, data/Answers.h):
// what a right or a wrong answer does on the screen and to the pass. The
// typed and the choice paths differ only in how their answer line shows the
// answer, which they pass in.
#pragma once

#include "data/Answers.h"

namespace vcq {

struct DrillContext;

// Draws the question's answer line once the answer is judged.
using ShowLine = void (*)(const DrillContext&);

// The right cue, the sentence read aloud once it is whole, the answer line
// drawn in black with the answer filled in, the explanation cleared.
void AnswerRight(const DrillContext& ctx, bool sentenceWhole, ShowLine showLine);
// The wrong cue, the question wrong for this pass however the correction
// goes, the explanation with the correction message, and the answer line
// drawn in red with the answer revealed.
void AnswerWrong(const DrillContext& ctx, ShowLine showLine);

}  // namespace vcq
