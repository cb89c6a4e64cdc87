#include "data/LineReader.h"

#include <algorithm>
#include <cstring>
#include <limits>

#include "data/Cp932.h"
#include "data/Limits.h"
#include "data/PlainFile.h"
#include "platform/Error.h"

namespace vcq {

LineReader::LineReader(std::string_view bytes, std::string fileName)
    : text_(bytes), fileName_(std::move(fileName)) {
  if (auto eof = text_.find('\x1A'); eof != std::string_view::npos) text_ = text_.substr(0, eof);
  next_ = Find('\r');
  if (next_ == text_.size()) {
    eol_ = '\n';
    next_ = Find('\n');
  }
}

std::size_t LineReader::Find(char c) const {
  const void* at = std::memchr(text_.data() + pos_, c, text_.size() - pos_);
  return at ? static_cast<std::size_t>(static_cast<const char*>(at) - text_.data()) : text_.size();
}

std::string_view LineReader::Advance() {
  ++lineNo_;
  lost_ = 0;
  if (pos_ >= text_.size()) {
    pastEnd_ = true;
    return {};
  }
  if (next_ < pos_) next_ = Find(eol_);
  std::size_t end = next_;
  const std::string_view line(text_.data() + pos_, end - pos_);
  if (end < text_.size()) {
    ++end;
    if (eol_ == '\r' && end < text_.size() && text_[end] == '\n') ++end;
  }
  pos_ = end;
  return line;
}

std::string_view LineReader::NextView(std::size_t limit) {
  const std::string_view line = Advance();
  std::string_view kept = CutBytes(line, limit);
  lost_ = line.size() - kept.size();
  return kept;
}

Text LineReader::Here() const {
  return WhereSaid(fileName_, lineNo_);
}

int LineOf(std::string_view bytes, std::size_t pos) {
  const char eol = bytes.find('\r') == std::string_view::npos ? '\n' : '\r';
  const std::string_view head = bytes.substr(0, pos);
  return 1 + static_cast<int>(std::count(head.begin(), head.end(), eol));
}

std::optional<std::int32_t> TryParseInt(std::string_view field) {
  std::size_t i = 0;
  while (i < field.size() && field[i] == ' ') ++i;
  bool negative = false;
  if (i < field.size() && (field[i] == '-' || field[i] == '+')) negative = field[i++] == '-';
  long long value = 0;
  std::size_t digits = 0;
  for (; i < field.size() && field[i] >= '0' && field[i] <= '9'; ++i, ++digits) {
    value = value * 10 + (field[i] - '0');
    if (value > static_cast<long long>(std::numeric_limits<std::int32_t>::max()) + 1) break;
  }
  if (negative) value = -value;
  if (digits == 0 || i != field.size() || value > std::numeric_limits<std::int32_t>::max() ||
      value < std::numeric_limits<std::int32_t>::min())
    return std::nullopt;
  return static_cast<std::int32_t>(value);
}

std::int32_t ParseInt(std::string_view field, const Text& where, const Said& what) {
  if (std::optional<std::int32_t> value = TryParseInt(field)) return *value;
  std::string shown = ToUtf8(CutBytes(field, 40));
  throw ConvertError(
      where + Say({"{} needs a whole number, not '{}'", "{}には整数が必要ですが「{}」でした"},
                  {what, shown}));
}

std::optional<std::pair<std::int32_t, std::int32_t>> PlainPair(std::string_view line, char sep) {
  // Nine digits cannot overflow; longer numbers take the general way.
  constexpr std::size_t kMaxDigits = 9;
  std::int32_t values[2] = {0, 0};
  std::size_t i = 0;
  for (int k = 0; k < 2; ++k) {
    const std::size_t start = i;
    for (; i < line.size() && line[i] >= '0' && line[i] <= '9'; ++i) {
      if (i - start == kMaxDigits) return std::nullopt;  // before a tenth digit can overflow
      values[k] = values[k] * 10 + (line[i] - '0');
    }
    if (i == start) return std::nullopt;
    if (k == 0) {
      if (i >= line.size() || line[i] != sep) return std::nullopt;
      ++i;
    }
  }
  if (i != line.size()) return std::nullopt;
  return std::pair{values[0], values[1]};
}

FieldViews SplitLine(const LineReader& in, std::string_view line, char sep) {
  try {
    return sep == ',' ? SplitCommaViews(line) : SplitBlankViews(line);
  } catch (const RangeError& e) {
    throw RangeError(in.Here() + e.text());
  }
}

std::int32_t QuestionNumber(std::string_view field, const LineReader& in, std::int32_t q,
                            const Said& what) {
  if (std::optional<std::int32_t> value = TryParseInt(field)) return *value;
  return ParseInt(field, in.Here() + Say({"question {}: ", "問題 {} の"}, {std::to_string(q)}),
                  what);
}

void CheckCount(const LineReader& in, std::int32_t n, int max, const Said& what) {
  if (n < 0 || n > max)
    throw RangeError(in.Here() +
                     Say({"{} must be 0 to {}, not {}", "{}は 0 から {} までですが {} でした"},
                         {what, std::to_string(max), std::to_string(n)}));
}

std::int32_t ReadCount(LineReader& in, std::size_t limit, int max, const Said& what) {
  // Read before Here() is taken, which names the line read.
  const std::string_view line = in.NextView(limit);
  const std::int32_t n = ParseInt(line, in.Here(), what);
  CheckCount(in, n, max, what);
  return n;
}

std::string ReadWholeFile(const std::string& path, FileStamp* stamp) {
  return ReadPlainFile(path, kMaxFileBytes, stamp);
}

}  // namespace vcq
