// Small banks for drill tests, written in UTF-8 in the test and stored as
// CP932 with CR LF.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "data/Cp932.h"

namespace vcq::test {

// A layout-1 bank titled "Typed" with one lesson "L0": each sentence with the
// prompt "問 <n>" and the explanation "説明 <n>".
inline std::string TypedBank(const std::vector<std::string>& sentences) {
  auto line = [](std::string_view utf8) { return ToCp932(utf8) + "\r\n"; };
  std::string out =
      line("") + line("Typed 1 " + std::to_string(sentences.size())) + line("1") + line("L0");
  for (std::size_t i = 0; i < sentences.size(); ++i)
    out += line("0") + line(sentences[i]) + line("問 " + std::to_string(i)) +
           line("説明 " + std::to_string(i));
  return out;
}

}  // namespace vcq::test
