// The program's three failures. Every message is UTF-8 and names the file and
// line where there is one; the front end shows it in the error box. A
// failure the command line reports is made in both languages (what() is the
// Japanese, which the windows show).
#pragma once

#include <stdexcept>
#include <string>

#include "platform/Said.h"

namespace vcq {

class Error : public std::runtime_error {
 public:
  explicit Error(const std::string& ja) : Error(Text::Same(ja)) {}
  explicit Error(const char* ja) : Error(std::string(ja)) {}
  explicit Error(Text text) : std::runtime_error(text.ja), text_(std::move(text)) {}
  const Text& text() const { return text_; }
  const std::string& In(Lang lang) const { return text_.In(lang); }

 private:
  Text text_;
};

// A file that cannot be opened, read or written.
class IoError : public Error {
 public:
  using Error::Error;
};

// A text that should be a number and is not.
class ConvertError : public Error {
 public:
  using Error::Error;
};

// An index past one of the fixed tables.
class RangeError : public Error {
 public:
  using Error::Error;
};

// "「file」の 12 行目: " — the place part of a message; empty when there is no file.
std::string Where(const std::string& fileName, int line = 0);
// The same in both languages ("'file' line 12: ").
Text WhereSaid(const std::string& fileName, int line = 0);

// "<what> <value> は 0 から <last> の範囲外です": the text of a RangeError
// for a value that would index past a table of last + 1 entries.
std::string OutOfRange(const std::string& what, long long value, long long last);

}  // namespace vcq
