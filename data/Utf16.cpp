#include "data/Utf16.h"

#include <cstdint>

namespace vcq {

bool HasUtf16Bom(std::string_view bytes) {
  return bytes.starts_with("\xFF\xFE") || bytes.starts_with("\xFE\xFF");
}

namespace {

void AppendUtf8(std::string& out, std::uint32_t cp) {
  if (cp < 0x80) {
    out += static_cast<char>(cp);
  } else if (cp < 0x800) {
    out += static_cast<char>(0xC0 | (cp >> 6));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else if (cp < 0x10000) {
    out += static_cast<char>(0xE0 | (cp >> 12));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (cp >> 18));
    out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  }
}

}  // namespace

Utf16Text Utf16ToUtf8(std::string_view bytes) {
  Utf16Text t;
  const bool big = bytes.starts_with("\xFE\xFF");
  bytes.remove_prefix(2);
  auto unit = [&](std::size_t i) -> std::uint32_t {
    const auto a = static_cast<unsigned char>(bytes[i]);
    const auto b = static_cast<unsigned char>(bytes[i + 1]);
    return big ? (a << 8 | b) : (b << 8 | a);
  };
  int line = 1;
  std::uint32_t last = 0;
  auto fail = [&](Text problem) {
    Utf16Text bad;
    bad.problem = std::move(problem);
    bad.line = line;
    return bad;
  };
  t.utf8.reserve(bytes.size());
  const std::size_t n = bytes.size() & ~std::size_t{1};
  for (std::size_t i = 0; i < n; i += 2) {
    std::uint32_t cp = unit(i);
    if (cp == '\n' && last != '\r') ++line;
    if (cp == '\r') ++line;
    last = cp;
    if (cp >= 0xDC00 && cp <= 0xDFFF)
      return fail(Say({"a UTF-16 character's second half (low surrogate) without its first",
                       "UTF-16 の文字の後半 (下位サロゲート) だけがあります"}));
    if (cp >= 0xD800 && cp <= 0xDBFF) {
      const std::uint32_t low = i + 2 < n ? unit(i + 2) : 0;
      if (low < 0xDC00 || low > 0xDFFF)
        return fail(Say({"a UTF-16 character's first half (high surrogate) without its second",
                         "UTF-16 の文字の前半 (上位サロゲート) の後に後半がありません"}));
      cp = 0x10000 + ((cp - 0xD800) << 10) + (low - 0xDC00);
      i += 2;
    }
    AppendUtf8(t.utf8, cp);
  }
  // Cut after the last line end, the file was cut in its last line.
  if (n != bytes.size() && (last == '\n' || last == '\r')) --line;
  if (n != bytes.size())
    return fail(Say({"the UTF-16 file ends inside a character (an odd number of bytes)",
                     "UTF-16 のファイルが文字の途中 (奇数のバイト数) で終わっています"}));
  return t;
}

}  // namespace vcq
