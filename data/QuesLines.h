// How a question lies in a bank file, per layout (DataForm 0 to 3), in one
// place: the bank reader, the spreadsheet export and import and the bank
// checker all follow it. In layouts 1 to 3 a question starts with a line of
// its numbers (the lesson; in layouts 2 and 3 also the second
// classification, which layout 3 uses as the answer mode), then come its
// texts, one per line, in the layout's order; layout 0 has texts only.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "data/Bank.h"
#include "platform/Said.h"

namespace vcq {

// A question's texts.
enum QuesText : int {
  kSentText,    // the answer sentence, its gaps marked with "@"
  kPromptText,  // what the learner is asked
  kChoiceText,  // the choices of a choice question (layout 3)
  kNoteText,    // the explanation shown after a wrong answer (layouts 1 to 3)
  kQuesTexts
};

struct QuesLines {
  int numbers = 0;  // numbers on the question's first line: 0 (no such line), 1 or 2
  int count = 0;    // text lines after it
  std::array<QuesText, kQuesTexts> texts{};  // texts[0 .. count-1], in file order

  bool Has(QuesText t) const {
    for (int i = 0; i < count; ++i)
      if (texts[static_cast<std::size_t>(i)] == t) return true;
    return false;
  }
};

// The lines of a question in a known layout (IsKnownLayout).
constexpr QuesLines QuesLinesOf(std::int32_t form) {
  if (IsPlainLayout(form)) return {0, 2, {kSentText, kPromptText}};
  if (HasChoices(form)) return {2, 4, {kPromptText, kChoiceText, kSentText, kNoteText}};
  return {HasSecondClass(form) ? 2 : 1, 3, {kSentText, kPromptText, kNoteText}};
}

// The order of the texts as columns of a spreadsheet, after the numbers.
inline constexpr std::array<QuesText, kQuesTexts> kSheetTextOrder = {kPromptText, kSentText,
                                                                     kChoiceText, kNoteText};

// A text's name in messages; the Japanese one is its column's name.
constexpr Said QuesTextName(QuesText t) {
  constexpr std::array<Said, kQuesTexts> kNames = {{{"the answer sentence", "解答文"},
                                                    {"the prompt", "問題文"},
                                                    {"the choices", "選択肢"},
                                                    {"the note", "解説"}}};
  return kNames[static_cast<std::size_t>(t)];
}

}  // namespace vcq
