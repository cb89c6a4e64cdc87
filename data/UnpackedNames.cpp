#include "data/UnpackedNames.h"

#include <algorithm>
#include <array>
#include <cstdint>

#include "data/Cp932.h"
#include "data/JoyoKanji.h"

namespace vcq {

namespace {

// Code page 437 from 0x80 to 0xFF, as Python's zipfile decodes a name.
constexpr std::array<std::uint16_t, 128> kCp437 = {
    0x00C7, 0x00FC, 0x00E9, 0x00E2, 0x00E4, 0x00E0, 0x00E5, 0x00E7, 0x00EA, 0x00EB, 0x00E8, 0x00EF,
    0x00EE, 0x00EC, 0x00C4, 0x00C5, 0x00C9, 0x00E6, 0x00C6, 0x00F4, 0x00F6, 0x00F2, 0x00FB, 0x00F9,
    0x00FF, 0x00D6, 0x00DC, 0x00A2, 0x00A3, 0x00A5, 0x20A7, 0x0192, 0x00E1, 0x00ED, 0x00F3, 0x00FA,
    0x00F1, 0x00D1, 0x00AA, 0x00BA, 0x00BF, 0x2310, 0x00AC, 0x00BD, 0x00BC, 0x00A1, 0x00AB, 0x00BB,
    0x2591, 0x2592, 0x2593, 0x2502, 0x2524, 0x2561, 0x2562, 0x2556, 0x2555, 0x2563, 0x2551, 0x2557,
    0x255D, 0x255C, 0x255B, 0x2510, 0x2514, 0x2534, 0x252C, 0x251C, 0x2500, 0x253C, 0x255E, 0x255F,
    0x255A, 0x2554, 0x2569, 0x2566, 0x2560, 0x2550, 0x256C, 0x2567, 0x2568, 0x2564, 0x2565, 0x2559,
    0x2558, 0x2552, 0x2553, 0x256B, 0x256A, 0x2518, 0x250C, 0x2588, 0x2584, 0x258C, 0x2590, 0x2580,
    0x03B1, 0x00DF, 0x0393, 0x03C0, 0x03A3, 0x03C3, 0x00B5, 0x03C4, 0x03A6, 0x0398, 0x03A9, 0x03B4,
    0x221E, 0x03C6, 0x03B5, 0x2229, 0x2261, 0x00B1, 0x2265, 0x2264, 0x2320, 0x2321, 0x00F7, 0x2248,
    0x00B0, 0x2219, 0x00B7, 0x221A, 0x207F, 0x00B2, 0x25A0, 0x00A0};

// The byte unzip writes for each byte 0x80 to 0xFF of a name from a FAT
// system: code page 850 in Latin-1, the line-drawing characters as `+`,
// `-` and `¦`; 0x98 is dropped (0).
constexpr std::array<std::uint8_t, 128> kUnzip850 = {
    0xC7, 0xFC, 0xE9, 0xE2, 0xE4, 0xE0, 0xE5, 0xE7, 0xEA, 0xEB, 0xE8, 0xEF, 0xEE, 0xEC, 0xC4, 0xC5,
    0xC9, 0xE6, 0xC6, 0xF4, 0xF6, 0xF2, 0xFB, 0xF9, 0x00, 0xD6, 0xDC, 0xF8, 0xA3, 0xD8, 0xD7, 0x83,
    0xE1, 0xED, 0xF3, 0xFA, 0xF1, 0xD1, 0xAA, 0xBA, 0xBF, 0xAE, 0xAC, 0xBD, 0xBC, 0xA1, 0xAB, 0xBB,
    0xA6, 0xA6, 0xA6, 0xA6, 0xA6, 0xC1, 0xC2, 0xC0, 0xA9, 0xA6, 0xA6, 0x2B, 0x2B, 0xA2, 0xA5, 0x2B,
    0x2B, 0x2D, 0x2D, 0x2B, 0x2D, 0x2B, 0xE3, 0xC3, 0x2B, 0x2B, 0x2D, 0x2D, 0xA6, 0x2D, 0x2B, 0xA4,
    0xF0, 0xD0, 0xCA, 0xCB, 0xC8, 0x69, 0xCD, 0xCE, 0xCF, 0x2B, 0x2B, 0xA6, 0x5F, 0xA6, 0xCC, 0xAF,
    0xD3, 0xDF, 0xD4, 0xD2, 0xF5, 0xD5, 0xB5, 0xFE, 0xDE, 0xDA, 0xDB, 0xD9, 0xFD, 0xDD, 0xAF, 0xB4,
    0xAD, 0xB1, 0x3D, 0xBE, 0xB6, 0xA7, 0xF7, 0xB8, 0xB0, 0xA8, 0xB7, 0xB9, 0xB3, 0xB2, 0xA6, 0xA0};

constexpr std::string_view kReplacement = "\xEF\xBF\xBD";

bool ValidCp932(std::string_view bytes) {
  return ToUtf8(bytes).find(kReplacement) == std::string::npos;
}

bool IsUtf8(std::string_view name) {
  for (const BadChar& b : Utf8ToCp932(name).bad)
    if (b.codePoint < 0) return false;
  return true;
}

// How likely a teacher put the character (CP932) in a file name, by the
// byte, so that readings of different splits compare.
int Likelihood(std::string_view c) {
  const auto b0 = static_cast<unsigned char>(c[0]);
  if (c.size() == 1) {
    if ((b0 >= '0' && b0 <= '9') || (b0 >= 'A' && b0 <= 'Z') || (b0 >= 'a' && b0 <= 'z')) return 5;
    if (b0 < 0x80) return 4;
    return 1;  // half-width katakana
  }
  const unsigned code = b0 << 8 | static_cast<unsigned char>(c[1]);
  if ((code >= 0x829F && code <= 0x82F1) || (code >= 0x8340 && code <= 0x8396) || code == 0x815B)
    return 10;  // kana and the long mark
  if (std::binary_search(kJoyoKanji.begin(), kJoyoKanji.end(), code)) return 9;  // jōyō kanji
  if (code >= 0x824F && code <= 0x829A) return 8;  // full-width letters and digits
  if (code >= 0x889F && code <= 0x9872) return 7;  // other kanji of JIS level 1
  if (code >= 0x8140 && code <= 0x81FC) return 6;  // punctuation and symbols
  if (code >= 0x989F && code <= 0xEAA4) return 4;  // rare kanji (JIS level 2)
  return 1;                                        // Greek, lines, vendor characters
}

struct Reading {
  std::string cp932;
  int score = 0;
};

// Keeps the two likeliest readings, distinct.
void Keep(std::vector<Reading>& best, Reading r) {
  for (const Reading& b : best)
    if (b.cp932 == r.cp932) return;
  best.push_back(std::move(r));
  std::stable_sort(best.begin(), best.end(),
                   [](const Reading& a, const Reading& b) { return a.score > b.score; });
  if (best.size() > 2) best.pop_back();
}

// The bytes each byte of unzip's form may have been.
std::vector<unsigned char> SourcesOf(unsigned char out) {
  std::vector<unsigned char> s;
  if (out < 0x80) s.push_back(out);
  for (unsigned b = 0; b < 128; ++b)
    if (kUnzip850[b] == out) s.push_back(static_cast<unsigned char>(0x80 + b));
  return s;
}

// The two likeliest valid CP932 readings of unzip's form, over every byte
// it may have come from: the best readings of each head of the name, built
// character by character.
std::vector<Reading> FromUnzip(std::string_view name) {
  std::vector<std::vector<unsigned char>> sources;
  for (char c : name) sources.push_back(SourcesOf(static_cast<unsigned char>(c)));
  std::vector<std::vector<Reading>> best(name.size() + 1);
  best[0].push_back({});
  for (std::size_t i = 0; i < name.size(); ++i) {
    if (best[i].empty()) continue;
    for (unsigned char a : sources[i]) {
      const std::string one(1, static_cast<char>(a));
      if (ValidCp932(one))
        for (const Reading& r : best[i])
          Keep(best[i + 1], {r.cp932 + one, r.score + Likelihood(one)});
      if (i + 1 == name.size()) continue;
      for (unsigned char b : sources[i + 1]) {
        const std::string two{static_cast<char>(a), static_cast<char>(b)};
        if (CharLen(two, 0) != 2 || !ValidCp932(two)) continue;
        for (const Reading& r : best[i])
          Keep(best[i + 2], {r.cp932 + two, r.score + Likelihood(two)});
      }
    }
  }
  return best[name.size()];
}

int Score(std::string_view cp932) {
  int s = 0;
  for (std::size_t i = 0; i < cp932.size(); i += CharLen(cp932, i))
    s += Likelihood(cp932.substr(i, CharLen(cp932, i)));
  return s;
}

// Python's zipfile: each character back to its byte of code page 437.
std::optional<std::string> FromCp437(std::string_view utf8) {
  std::string bytes;
  for (std::size_t i = 0; i < utf8.size();) {
    const auto c = static_cast<unsigned char>(utf8[i]);
    if (c < 0x80) {
      bytes += static_cast<char>(c);
      ++i;
      continue;
    }
    const std::size_t len = c >= 0xE0 ? 3 : 2;
    if (c < 0xC0 || c >= 0xF0 || i + len > utf8.size()) return std::nullopt;
    std::uint32_t cp = len == 2 ? (c & 0x1F) : (c & 0x0F);
    for (std::size_t k = 1; k < len; ++k)
      cp = cp << 6 | (static_cast<unsigned char>(utf8[i + k]) & 0x3F);
    const auto at = std::find(kCp437.begin(), kCp437.end(), cp);
    if (at == kCp437.end()) return std::nullopt;
    bytes += static_cast<char>(0x80 + (at - kCp437.begin()));
    i += len;
  }
  if (!ValidCp932(bytes)) return std::nullopt;
  return bytes;
}

}  // namespace

std::optional<RealName> RealNameOf(std::string_view name) {
  if (IsUtf8(name)) {
    if (Utf8ToCp932(name).bad.empty()) return std::nullopt;
    const std::optional<std::string> bytes = FromCp437(name);
    if (!bytes) return std::nullopt;
    return RealName{{ToUtf8(*bytes)}};
  }
  std::vector<Reading> readings = FromUnzip(name);
  if (ValidCp932(name)) Keep(readings, {std::string(name), Score(name)});
  if (readings.empty()) return std::nullopt;
  RealName real{{ToUtf8(readings[0].cp932)}};
  if (readings.size() > 1 && readings[1].score == readings[0].score)
    real.readings.push_back(ToUtf8(readings[1].cp932));
  return real;
}

}  // namespace vcq
