// Typing a gap and judging it. A typed question's gaps are asked left to
// right; each is judged when Enter is pressed. A wrong answer reveals the word
// and keeps the gap until it is typed right; the question then counts wrong.
#pragma once

#include <string_view>

namespace vcq {

struct DrillContext;

// The one comparison rule for typed and picked answers: letter case never
// matters, nothing else is forgiven.
bool SameAnswer(std::string_view a, std::string_view b);

// Starts the question just loaded and shown, as a choice or a typed one.
void StartAnswer(const DrillContext& ctx);
// On to the next word, or the question is done.
void NextWord(const DrillContext& ctx);

// The drill screen's keys while a typed question is asked.
void TypedKeyDown(const DrillContext& ctx, int key);
void TypedKeyPress(const DrillContext& ctx, char ch);

// Letters and ! " ' , - . ? : what a gap can hold.
bool IsAnswerChar(char ch);

}  // namespace vcq
