// Texts in the two languages the program speaks. The windows speak
// Japanese; the command line speaks Japanese under a Japanese locale and
// English under any other. A message is made in both languages where it
// arises (an error deep in a file's reading), and the one who prints it picks.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

namespace vcq {

enum class Lang { En, Ja };

// One text of a table, in both languages side by side so that neither
// drifts from the other. "{}" stands for the arguments, in turn.
struct Said {
  std::string_view en, ja;
};

// A message made in both languages.
struct Text {
  std::string en, ja;

  // A text that reads the same in both (a file name, a number).
  static Text Same(std::string s) { return {s, s}; }
  const std::string& In(Lang lang) const { return lang == Lang::Ja ? ja : en; }
  Text& operator+=(const Text& more);
  friend Text operator+(Text a, const Text& b) { return a += b; }
};

// An argument of Say: the same in both languages, or a text of its own.
struct SaidArg {
  SaidArg(std::string_view s) : text{std::string(s), std::string(s)} {}
  SaidArg(const std::string& s) : text{s, s} {}
  SaidArg(const char* s) : SaidArg(std::string_view(s)) {}
  SaidArg(const Said& s) : text{std::string(s.en), std::string(s.ja)} {}
  SaidArg(Text t) : text(std::move(t)) {}
  Text text;
};

Text Say(const Said& said, std::initializer_list<SaidArg> args = {});
std::string Say(const Said& said, Lang lang, std::initializer_list<SaidArg> args = {});

// The system's message for an errno in a language: the C text in English,
// the Japanese one where the system has it (the C text where it has not),
// whatever the program's own locale is.
std::string SystemMessage(int err, Lang lang);
Text SystemMessage(int err);

}  // namespace vcq
