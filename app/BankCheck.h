// The bank checker for authors: every problem of a bank file that would stop
// the program or puzzle a learner, with its line, before a learner meets it.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/Said.h"

namespace vcq {

struct BankProblem {
  int line = 0;         // 0 when it concerns the whole file
  std::string message;  // UTF-8
  bool note = false;    // for the author's information, not a problem
  int field = 0;        // on a line of two numbers, 1 for the second
};

// The messages are in `lang`.
std::vector<BankProblem> CheckBank(std::string_view bytes, const std::string& fileName,
                                   Lang lang = Lang::Ja);

// "file:line: message" lines for each problem and note, and
// "file: 問題は見つかりませんでした" when there is no problem.
std::string FormatProblems(const std::string& fileName, const std::vector<BankProblem>& problems,
                           Lang lang = Lang::Ja);

// Checks each file and prints the result; returns the exit status (0 when
// every bank is clean, notes aside, 1 when any has a problem or cannot be read).
int RunBankCheck(const std::vector<std::string>& files, std::string& out, Lang lang = Lang::Ja);

}  // namespace vcq
