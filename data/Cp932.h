// Code page 932 text. The core keeps all learner-visible text as CP932 bytes;
// conversion to UTF-8 happens only at the edges (views, paths, messages).
// Every byte-wise rule here steps over double-byte characters, because a
// CP932 trail byte can look like 'A'..'Z', '_' or '@'.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace vcq {

constexpr bool IsLeadByte(unsigned char c) {
  return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC);
}

// Bytes taken by the character that starts at s[i] (1 or 2; 1 for a lead
// byte with nothing after it).
std::size_t CharLen(std::string_view s, std::size_t i);

// The longest head of `s` of at most `limit` bytes that does not split a
// double-byte character.
std::string_view CutBytes(std::string_view s, std::size_t limit);

// CP932 to UTF-8 for display; a byte that starts no valid character becomes
// U+FFFD and the decoder goes on after it.
std::string ToUtf8(std::string_view cp932);

// UTF-8 to CP932; throws ConvertError when a character has no CP932 form.
std::string ToCp932(std::string_view utf8);

// True when the bytes are valid UTF-8 with at least one multi-byte sequence
// and are not valid CP932 text: a file saved in the wrong encoding.
bool LooksLikeUtf8(std::string_view bytes);

// Lower-casing as the Japanese locale does it: ASCII A-Z, full-width Ａ-Ｚ,
// Greek and Cyrillic capitals; every other character unchanged.
std::string LowerCp932(std::string_view s);

// A fixed UTF-8 text of the program in CP932 (the literals in the source are UTF-8).
inline std::string Sj(std::string_view utf8) {
  return ToCp932(utf8);
}

}  // namespace vcq
