// Layout-3 banks for choice tests, and a learner who answers both kinds of
// question: a choice by its digit key, a typed gap by typing it.
#pragma once

#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "data/Cp932.h"
#include "drill/Verdict.h"
#include "tests/support/DrillDriver.h"

namespace vcq::test {

struct BankQues {
  int mode = 0;         // 0 pick a choice, 1 type
  std::string choices;  // UTF-8, "-" for a typed question
  std::string sentence;
};

// A layout-3 bank titled "Choice" with one lesson "L0": question n with the
// prompt "問 <n>" and the explanation "説明 <n>".
inline std::string ChoiceBank(const std::vector<BankQues>& questions) {
  auto line = [](std::string_view utf8) { return ToCp932(utf8) + "\r\n"; };
  std::string out = line("") + line("Choice 3 " + std::to_string(questions.size())) + line("1") +
                    line("L0") + line("2") + line("選択") + line("入力");
  for (std::size_t i = 0; i < questions.size(); ++i) {
    const BankQues& q = questions[i];
    out += line("0 " + std::to_string(q.mode)) + line("問 " + std::to_string(i)) + line(q.choices) +
           line(q.sentence) + line("説明 " + std::to_string(i));
  }
  return out;
}

// The panel holding the expected choice, or -1.
inline int RightPanel(const DrillState& d) {
  for (int i = 0; i < d.ChoiceCnt; ++i)
    if (SameAnswer(d.ChoiceItem[i], d.AnsWord)) return i;
  return -1;
}
// The first panel holding another choice, or -1.
inline int WrongPanel(const DrillState& d) {
  for (int i = 0; i < d.ChoiceCnt; ++i)
    if (!SameAnswer(d.ChoiceItem[i], d.AnsWord)) return i;
  return -1;
}

// The digit key of panel i, pressed and released.
inline void PickKey(DrillDriver& d, int i) {
  const char digit = static_cast<char>('1' + i);
  d.Stroke(digit, digit);
}

inline void PickRight(DrillDriver& d) {
  const int i = RightPanel(d.t.app.drill);
  if (i < 0) throw std::runtime_error("the expected choice is not shown");
  PickKey(d, i);
  d.SettleAnimations();
}
inline void PickWrong(DrillDriver& d) {
  const int i = WrongPanel(d.t.app.drill);
  if (i < 0) throw std::runtime_error("no wrong choice is shown");
  PickKey(d, i);
  d.SettleAnimations();
}

// The current question answered right, or first wrong and then right,
// whichever its kind.
inline void AnswerRight(DrillDriver& d) {
  if (d.t.app.drill.QuesMode == AnswerMode::Choice)
    PickRight(d);
  else
    d.RightQuestion();
}
inline void AnswerWrong(DrillDriver& d) {
  if (d.t.app.drill.QuesMode == AnswerMode::Choice) {
    PickWrong(d);
    PickRight(d);
  } else {
    d.WrongQuestion();
  }
}

}  // namespace vcq::test
