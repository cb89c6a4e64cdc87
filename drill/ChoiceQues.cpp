#include "drill/ChoiceQues.h"

#include "app/Program.h"
#include "drill/TypedAnswer.h"

namespace vcq {

// Until the choice panels are wired up, a choice question is asked as a
// typed one: its gap is typed, with the same comparison rule.
void StartChoiceQues(Program& app) {
  app.drill.QuesMode = 1;
  StartTypedQues(app);
}

void ChoiceKey(Program&, char) {}

}  // namespace vcq
