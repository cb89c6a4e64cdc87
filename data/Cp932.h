// Code page 932 text. The core keeps all learner-visible text as CP932 bytes;
// conversion to UTF-8 happens only at the edges (views, paths, messages).
// Every byte-wise rule here steps over double-byte characters, because a
// CP932 trail byte can look like 'A'..'Z', '_' or '@'.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Said.h"

namespace vcq {

constexpr bool IsLeadByte(unsigned char c) {
  return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC);
}

// Bytes taken by the character that starts at s[i]: 2 for a lead byte
// followed by a trail byte, else 1. A lead byte cut from its trail byte
// (before a blank, a comma or the end) is a byte of its own and never
// swallows the separator after it.
std::size_t CharLen(std::string_view s, std::size_t i);

// The longest head of `s` of at most `limit` bytes that does not split a
// double-byte character.
std::string_view CutBytes(std::string_view s, std::size_t limit);

// CP932 to UTF-8 for display; a byte that starts no valid character becomes
// U+FFFD and the decoder goes on after it.
std::string ToUtf8(std::string_view cp932);

// UTF-8 to CP932; throws ConvertError when a character has no CP932 form.
std::string ToCp932(std::string_view utf8);

inline constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

// True when a file's bytes are taken as UTF-8: they start with the
// byte-order mark, or they are all valid UTF-8 with at least one multi-byte
// character (real CP932 text almost never is). Any other file is CP932.
bool LooksLikeUtf8(std::string_view bytes);

// One quick pass over text that may be UTF-8 (a byte-order mark is skipped):
// whether it is valid UTF-8, holds a character of more than one byte, and
// has a CP932 form for every character. A pass stops at the first byte that
// is no UTF-8, so CP932 text costs little. When `fits`, Utf8ToCp932 of the
// text, or of any of its lines, lists nothing bad: a reader may convert only
// the lines it keeps.
struct Utf8Scan {
  bool valid = true;
  bool multi = false;
  bool fits = true;
};
Utf8Scan ScanUtf8(std::string_view bytes);

// A character of UTF-8 text that has no CP932 form (`codePoint`), or a byte
// that is no UTF-8 at all (`codePoint` -1); `pos` counts bytes of the text.
struct BadChar {
  std::size_t pos = 0;
  std::size_t len = 0;
  std::int32_t codePoint = -1;
};
struct Utf8Text {
  std::string cp932;
  std::vector<BadChar> bad;
};
// UTF-8 text (with or without the byte-order mark, which is dropped) in
// CP932. Each bad character becomes '?' and is listed, so that the lines and
// what follows them stay in place.
Utf8Text Utf8ToCp932(std::string_view utf8);
// "「😀」(U+1F600) は Shift-JIS (CP932) で表せません" and the like.
Text DescribeBadChar(std::string_view utf8, const BadChar& bad);

// Lower-casing as the Japanese locale does it: ASCII A-Z, full-width Ａ-Ｚ,
// Greek and Cyrillic capitals; every other character unchanged.
std::string LowerCp932(std::string_view s);

// A fixed UTF-8 text of the program in CP932 (the literals in the source are UTF-8).
inline std::string Sj(std::string_view utf8) {
  return ToCp932(utf8);
}

}  // namespace vcq
