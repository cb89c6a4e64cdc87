#include "data/LineReader.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <limits>
#include <memory>

#include "data/Cp932.h"
#include "platform/Error.h"

namespace vcq {

namespace {
// Far beyond the largest real bank (600 questions of 4 lines of 180 bytes),
// yet small enough to read whole without thought.
constexpr std::size_t kMaxFileBytes = 64u << 20;
}  // namespace

LineReader::LineReader(std::string_view bytes, std::string fileName)
    : text_(bytes), fileName_(std::move(fileName)) {
  if (auto eof = text_.find('\x1A'); eof != std::string_view::npos) text_ = text_.substr(0, eof);
}

std::string LineReader::Next(std::size_t limit) {
  ++lineNo_;
  lost_ = 0;
  loneLf_ = false;
  if (pos_ >= text_.size()) {
    pastEnd_ = true;
    return {};
  }
  std::size_t end = pos_;
  while (end < text_.size() && text_[end] != '\r' && text_[end] != '\n') ++end;
  std::string_view line = text_.substr(pos_, end - pos_);
  if (end < text_.size()) {
    if (text_[end] == '\r') {
      ++end;
      if (end < text_.size() && text_[end] == '\n') ++end;
    } else {
      loneLf_ = true;
      ++end;
    }
  }
  pos_ = end;
  std::string_view kept = CutBytes(line, limit);
  lost_ = line.size() - kept.size();
  return std::string(kept);
}

std::string LineReader::Here() const {
  return Where(fileName_, lineNo_);
}

std::int32_t ParseInt(std::string_view field, const std::string& where, std::string_view what) {
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
      value < std::numeric_limits<std::int32_t>::min()) {
    std::string shown = ToUtf8(CutBytes(field, 40));
    throw ConvertError(where + std::string(what) + "には整数が必要ですが「" + shown + "」でした");
  }
  return static_cast<std::int32_t>(value);
}

std::string ReadWholeFile(const std::string& path) {
  struct Closer {
    void operator()(std::FILE* f) const { std::fclose(f); }
  };
  std::unique_ptr<std::FILE, Closer> f(std::fopen(path.c_str(), "rb"));
  if (!f) throw IoError("「" + path + "」を開けません: " + std::strerror(errno));
  std::string bytes;
  char buf[1 << 16];
  for (;;) {
    std::size_t n = std::fread(buf, 1, sizeof buf, f.get());
    bytes.append(buf, n);
    if (bytes.size() > kMaxFileBytes)
      throw IoError("「" + path + "」は大きすぎます (64 MiB を超えています)");
    if (n < sizeof buf) break;
  }
  if (std::ferror(f.get())) throw IoError("「" + path + "」を読めません: " + std::strerror(errno));
  return bytes;
}

}  // namespace vcq
