// Choice questions: the learner picks one of up to nine phrases by its digit
// key or by a click.
#pragma once

namespace vcq {

class Program;

void StartChoiceQues(Program& app);
// A character typed while a choice question is asked.
void ChoiceKey(Program& app, char ch);

}  // namespace vcq
