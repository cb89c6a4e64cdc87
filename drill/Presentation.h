// What the drill screen shows of the current question and batch: the prompt,
// the answer line with its gaps, the learner's input, the flash display, the
// message strip, the explanation, the answer list, the marks, the titles, the
// settings and the score. Nothing here decides the drill's course, except
// that ShowScore sets the batch score the next scan reads.
#pragma once

#include <string>

namespace vcq {

class Program;

void ShowRound(Program& app);
void ClearQues(Program& app);
void ShowQues(Program& app);
void ShowQuesTitle(Program& app);
void ShowSettings(Program& app);
void ShowMes(Program& app);
void ShowCorrection(Program& app);
void ShowAbout(Program& app);
void ClearAbout(Program& app);

// The answer line of a typed question: answered gaps filled (in brackets
// while the current gap is being corrected), the others empty.
void ShowAnsLine(Program& app);
// Every gap filled, for the flash display.
void ShowFullLine(Program& app);
void StartFlash(Program& app);

// The answer line of a choice question: every gap an empty bracket pair,
// the last one's word (underscores as blanks) the expected answer AnsWord.
void ShowChoiceLine(Program& app);
// The same line with the gaps filled in brackets, after a pick.
void ShowChoiceResult(Program& app);

void ShowOneLetter(Program& app);
void ShowKeyIn(Program& app);
void LogKeyIn(Program& app);
void ShowPicked(Program& app, const std::string& text);
// The first pick of the question into the answer list.
void LogChoice(Program& app, const std::string& text);

// The mark of the question at BatchPos; in the first pass it also counts it.
void ShowMark(Program& app);
void ShowScore(Program& app);

}  // namespace vcq
