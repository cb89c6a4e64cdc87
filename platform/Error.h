// The program's three failures. Every message is UTF-8 and names the file and
// line where there is one; the front end shows it in the error box.
#pragma once

#include <stdexcept>
#include <string>

namespace vcq {

class Error : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
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

// "<what> <value> は 0 から <last> の範囲外です": the text of a RangeError
// for a value that would index past a table of last + 1 entries.
std::string OutOfRange(const std::string& what, long long value, long long last);

}  // namespace vcq
