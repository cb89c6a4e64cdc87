// Typing a gap and judging it. A typed question's gaps are asked left to
// right; each is judged when Enter is pressed. A wrong answer reveals the word
// and keeps the gap until it is typed right; the question then counts wrong.
#pragma once

#include <string_view>

namespace vcq {

class Program;

// The one comparison rule for typed and picked answers: letter case never
// matters, nothing else is forgiven.
bool SameAnswer(std::string_view a, std::string_view b);

// Starts the question just loaded and shown, as a choice or a typed one.
void StartAnswer(Program& app);
void StartTypedQues(Program& app);
// Presents the word at WordPos: waits if it is a gap, passes it otherwise.
void NextGap(Program& app);
// On to the next word, or the question is done.
void NextWord(Program& app);
void AfterWord(Program& app);

// The drill screen's keys while a typed question is asked.
void TypedKeyDown(Program& app, int key);
void TypedKeyPress(Program& app, char ch);

void AddKey(Program& app, char ch);
void BackKey(Program& app);
void ClearKeys(Program& app);
void CheckGap(Program& app);
void GapRight(Program& app);
void GapWrong(Program& app);

// Letters and ! " ' , - . ? : what a gap can hold.
bool IsAnswerChar(char ch);

}  // namespace vcq
