#include "data/Answers.h"

#include "data/Cp932.h"
#include "data/Limits.h"

namespace vcq {

bool IsAnswerChar(char ch) {
  if ((ch >= 'A' && ch <= 'Z') || (ch >= 'a' && ch <= 'z')) return true;
  switch (ch) {
    case '!':
    case '"':
    case '\'':
    case ',':
    case '-':
    case '.':
    case '?':
      return true;
    default:
      return false;
  }
}

bool SameAnswer(std::string_view a, std::string_view b) {
  return LowerCp932(a) == LowerCp932(b);
}

std::string ShownChoice(std::string_view item) {
  return std::string(CutBytes(UnderToBlank(item), kChoiceBytes));
}

std::string ExpectedPick(const Fields& words) {
  std::string expected;
  for (int i = 0; i < words.Count(); ++i)
    if (FirstIs(words.Words[i], "@"))
      expected = std::string(CutBytes(UnderToBlank(DropFirst(words.Words[i])), kTextBytes));
  return expected;
}

}  // namespace vcq
