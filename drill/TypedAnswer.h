// Typing a gap and judging it. A typed question's gaps are asked left to
// right; each is judged when Enter is pressed. A wrong answer reveals the word
// and keeps the gap until it is typed right; the question then counts wrong.
//
// The steps that can reach the end of the question say so by returning
// true; what follows a finished question is the course's (DrillCourse: NextQues).
#pragma once

namespace vcq {

struct DrillContext;

// Sets up the question just loaded and shown and presents its first gap.
[[nodiscard]] bool StartTypedQues(const DrillContext& ctx);
// On to the next word, or the question is done.
[[nodiscard]] bool NextWord(const DrillContext& ctx);

// The drill screen's keys while a typed question is asked.
[[nodiscard]] bool TypedKeyDown(const DrillContext& ctx, int key);
void TypedKeyPress(const DrillContext& ctx, char ch);

}  // namespace vcq
