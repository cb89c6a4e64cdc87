// Line-by-line reading of a bank or record held in memory, with the byte
// limits of the file formats and the splitting, number parsing and count
// checks both readers share. Every message names the file and line.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "data/FileIdentity.h"
#include "data/TextUtil.h"
#include "platform/Said.h"

namespace vcq {

class LineReader {
 public:
  // `fileName` (UTF-8) is only for messages. A byte 0x1A ends the text.
  LineReader(std::string_view bytes, std::string fileName);

  // The next line, at most `limit` bytes of it (never half a character); the
  // rest of the line is skipped. In a file with a CR byte a line ends at CR or
  // CR LF, and a lone LF stays inside its line; a file with no CR at all ends
  // its lines at LF. Past the end every line reads as empty.
  std::string Next(std::size_t limit) { return std::string(NextView(limit)); }
  // The same line as a view into the bytes, for readers that keep few of the
  // lines they pass: no copy is made.
  std::string_view NextView(std::size_t limit);
  // Passes the next line unread, as a reader that keeps none of it would.
  void Skip() { Advance(); }

  int LineNo() const { return lineNo_; }  // 1-based number of the line last read
  // About the line last read, for the bank checker.
  bool PastEnd() const { return pastEnd_; }
  std::size_t LostBytes() const { return lost_; }

  // "「file」の 12 行目: " for the line last read.
  Text Here() const;

 private:
  std::size_t Find(char c) const;
  // The next line whole, past its end.
  std::string_view Advance();

  std::string_view text_;
  std::string fileName_;
  std::size_t pos_ = 0;
  // The byte that ends lines in this file, and its next place at or after
  // pos_, looked for again only once passed.
  char eol_ = '\r';
  std::size_t next_ = 0;
  int lineNo_ = 0;
  bool pastEnd_ = false;
  std::size_t lost_ = 0;
};

// A decimal integer that is the whole field: leading blanks and a sign are
// allowed, nothing after the digits. Throws ConvertError naming the place
// (`where`, as LineReader::Here gives it) and the value (`what`).
std::int32_t ParseInt(std::string_view field, const Text& where, const Said& what);
// The same number, or nothing when the field is not one; a caller builds the
// message of ParseInt only then.
std::optional<std::int32_t> TryParseInt(std::string_view field);

// Two numbers written "<digits><sep><digits>" and nothing else, the way the
// program writes them: both values. Nothing for any other line, which the
// caller then reads through the general split and ParseInt, with the same
// result for the lines this takes.
std::optional<std::pair<std::int32_t, std::int32_t>> PlainPair(std::string_view line, char sep);

// `line` split at `sep` (a blank or a comma) as views into it; more fields
// than a split holds is a RangeError naming the line last read.
FieldViews SplitLine(const LineReader& in, std::string_view line, char sep);

// A number on the line of question `q`; the message naming the place is only
// made for a field that is not a number.
// The fields of banks and records, as messages name them.
constexpr Said kFieldKind{"the kind", "種類"};
constexpr Said kFieldQuesCount{"the question count", "問題数"};
constexpr Said kFieldLesCount{"the lesson count", "分野の数"};
constexpr Said kFieldLesCount2{"the second class count", "第二分類の数"};
constexpr Said kFieldLesson{"the lesson number", "分野番号"};
constexpr Said kFieldLesson2{"the second class number", "第二分類番号"};

std::int32_t QuestionNumber(std::string_view field, const LineReader& in, std::int32_t q,
                            const Said& what);

// A count read from the line last read must be 0 to `max`: RangeError
// "<what>は 0 から <max> までですが <n> でした" naming the line otherwise.
void CheckCount(const LineReader& in, std::int32_t n, int max, const Said& what);
// The next line, at most `limit` bytes of it, as such a count.
std::int32_t ReadCount(LineReader& in, std::size_t limit, int max, const Said& what);

// The 1-based line of the file that holds byte `pos`, by the same line ends.
int LineOf(std::string_view bytes, std::size_t pos);

// The whole bank or record file as bytes (ReadPlainFile with the limit of
// those files): IoError when it cannot be opened or read, is not a plain
// file, or is larger than any bank or record can be. `stamp`, when given, is
// the file's stamp taken after the read, so that a write during the read
// shows as a change.
std::string ReadWholeFile(const std::string& path, FileStamp* stamp = nullptr);

}  // namespace vcq
