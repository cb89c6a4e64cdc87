// Line-by-line reading of a bank or record held in memory, with the byte
// limits of the file formats and the number parsing both readers share.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace vcq {

class LineReader {
 public:
  // `fileName` (UTF-8) is only for messages. A byte 0x1A ends the text.
  LineReader(std::string_view bytes, std::string fileName);

  // The next line, at most `limit` bytes of it (never half a character); the
  // rest of the line is skipped. A line ends at CR, CR LF or a lone LF. Past
  // the end every line reads as empty.
  std::string Next(std::size_t limit);

  int LineNo() const { return lineNo_; }  // 1-based number of the line last read
  bool AtEnd() const { return pos_ >= text_.size(); }
  const std::string& FileName() const { return fileName_; }
  // About the line last read, for the bank checker.
  bool PastEnd() const { return pastEnd_; }
  std::size_t LostBytes() const { return lost_; }
  bool EndedByLoneLf() const { return loneLf_; }

  // "「file」の 12 行目: " for the line last read.
  std::string Here() const;

 private:
  std::string_view text_;
  std::string fileName_;
  std::size_t pos_ = 0;
  int lineNo_ = 0;
  bool pastEnd_ = false;
  std::size_t lost_ = 0;
  bool loneLf_ = false;
};

// A decimal integer that is the whole field: leading blanks and a sign are
// allowed, nothing after the digits. Throws ConvertError naming the place
// (`where`, as LineReader::Here gives it) and the value (`what`).
std::int32_t ParseInt(std::string_view field, const std::string& where, std::string_view what);

// The whole file as bytes; IoError when it cannot be opened or read, or when
// it is far larger than any bank or record can be.
std::string ReadWholeFile(const std::string& path);

}  // namespace vcq
