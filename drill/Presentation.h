// What the drill screen shows of the current question and batch: the prompt,
// the answer line with its gaps, the learner's input, the flash display, the
// message strip, the explanation, the answer list, the marks, the titles, the
// settings and the score. Nothing here decides the drill's course, judges,
// counts or shuffles: each step shows the state it is given.
#pragma once

#include <string>

namespace vcq {

struct DrillContext;

// The bank's title and the round (TestNo) in the caption.
void ShowRound(const DrillContext& ctx);
void ClearQues(const DrillContext& ctx);
void ShowQues(const DrillContext& ctx);
void ShowQuesTitle(const DrillContext& ctx);
void ShowSettings(const DrillContext& ctx);
void ShowMes(const DrillContext& ctx);
void ShowCorrection(const DrillContext& ctx);
void ShowAbout(const DrillContext& ctx);
void ClearAbout(const DrillContext& ctx);

// The answer line of a typed question: answered gaps filled (in brackets
// while the current gap is being corrected), the others empty.
void ShowAnsLine(const DrillContext& ctx);
// Every gap filled, for the flash display.
void ShowFullLine(const DrillContext& ctx);
void StartFlash(const DrillContext& ctx);

// The answer line of a choice question: every gap an empty bracket pair.
void ShowChoiceLine(const DrillContext& ctx);
// The same line with the gaps filled in brackets, after a pick.
void ShowChoiceResult(const DrillContext& ctx);

void ShowOneLetter(const DrillContext& ctx);
void ShowKeyIn(const DrillContext& ctx);
// The current question's row of the answer list: what was answered, AnsLog.
void ShowAnsLog(const DrillContext& ctx);
void ShowPicked(const DrillContext& ctx, const std::string& text);

// The mark of the question at BatchPos: right unless it was answered wrong
// in this pass. Counting it is the course's (DrillCourse).
void ShowMark(const DrillContext& ctx);
// The batch's score, BatchScore, as the course counted it.
void ShowScore(const DrillContext& ctx);

}  // namespace vcq
