#include "data/Cp932.h"

#include <iconv.h>

#include <array>
#include <bit>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <memory>

// The scan of UTF-8 takes 32 bytes at a time on machines with AVX2, chosen
// when the program runs: a package is built for the plain x86-64 baseline.
#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
#define VCQ_SCAN_AVX2 1
#include <immintrin.h>
#endif

#include "platform/Error.h"

namespace vcq {

namespace {

// A byte that can follow a lead byte in a double-byte character.
constexpr bool IsTrailByte(unsigned char c) {
  return (c >= 0x40 && c <= 0x7E) || (c >= 0x80 && c <= 0xFC);
}

struct IconvCloser {
  void operator()(void* cd) const { iconv_close(static_cast<iconv_t>(cd)); }
};
using IconvHandle = std::unique_ptr<void, IconvCloser>;

iconv_t Open(const char* to, const char* from) {
  iconv_t cd = iconv_open(to, from);
  if (cd == reinterpret_cast<iconv_t>(-1))
    throw ConvertError(std::string("文字コード変換を準備できません: ") + from + " → " + to);
  return cd;
}

// One converter each way, opened on first use; the program has one thread.
iconv_t FromCp932() {
  static IconvHandle h(Open("UTF-8", "CP932"));
  return static_cast<iconv_t>(h.get());
}
iconv_t FromUtf8() {
  static IconvHandle h(Open("CP932", "UTF-8"));
  return static_cast<iconv_t>(h.get());
}

// Converts the whole input; on a bad sequence calls onBad(position) which
// returns how many input bytes to skip, or throws.
template <typename OnBad>
std::string Convert(iconv_t cd, std::string_view in, OnBad onBad) {
  std::string out;
  out.reserve(in.size() * 3 / 2 + 8);
  iconv(cd, nullptr, nullptr, nullptr, nullptr);
  char* src = const_cast<char*>(in.data());
  std::size_t srcLeft = in.size();
  char buf[1024];
  while (srcLeft > 0) {
    char* dst = buf;
    std::size_t dstLeft = sizeof buf;
    std::size_t r = iconv(cd, &src, &srcLeft, &dst, &dstLeft);
    out.append(buf, dst - buf);
    if (r == static_cast<std::size_t>(-1)) {
      if (errno == E2BIG) continue;
      std::size_t pos = in.size() - srcLeft;
      std::size_t skip = onBad(pos, out);
      src += skip;
      srcLeft -= skip;
      iconv(cd, nullptr, nullptr, nullptr, nullptr);
    }
  }
  return out;
}

// The length of the UTF-8 sequence at p (at most `left` bytes) and its code
// point; 0 when the bytes are no valid sequence (a stray continuation byte, a
// cut sequence, an overlong form, a surrogate or a value past U+10FFFF).
std::size_t Utf8Sequence(const unsigned char* p, std::size_t left, char32_t& cp) {
  const unsigned char c = p[0];
  auto cont = [&](std::size_t k) { return k < left && (p[k] & 0xC0) == 0x80; };
  if (c >= 0xC2 && c <= 0xDF) {
    if (!cont(1)) return 0;
    cp = ((c & 0x1Fu) << 6) | (p[1] & 0x3Fu);
    return 2;
  }
  if (c >= 0xE0 && c <= 0xEF) {
    if (!cont(1) || !cont(2)) return 0;
    if ((c == 0xE0 && p[1] < 0xA0) || (c == 0xED && p[1] > 0x9F)) return 0;
    cp = ((c & 0x0Fu) << 12) | ((p[1] & 0x3Fu) << 6) | (p[2] & 0x3Fu);
    return 3;
  }
  if (c >= 0xF0 && c <= 0xF4) {
    if (!cont(1) || !cont(2) || !cont(3)) return 0;
    if ((c == 0xF0 && p[1] < 0x90) || (c == 0xF4 && p[1] > 0x8F)) return 0;
    cp = ((c & 0x07u) << 18) | ((p[1] & 0x3Fu) << 12) | ((p[2] & 0x3Fu) << 6) | (p[3] & 0x3Fu);
    return 4;
  }
  return 0;
}

// Eight bytes that are all ASCII.
bool Ascii8(const unsigned char* p) {
  std::uint64_t w;
  std::memcpy(&w, p, 8);
  return (w & 0x8080808080808080u) == 0;
}

void AppendUtf8(std::string& out, char32_t c) {
  if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
  } else {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
  }
  out += static_cast<char>(0x80 | (c & 0x3F));
}

// Every character of the Basic Multilingual Plane from U+0080 on to its CP932
// form, as the system's converter gives it: 0 for none, else one byte or,
// above 0xFF, two. Built on first use from the characters CP932 can hold
// (each code of CP932 read as Unicode), and the JIS forms of the few that
// CP932 reads differently, such as the wave dash; the converter is asked only
// about those, since it is slow to refuse a character. No character beyond
// the plane has a CP932 form.
using UnicodeTable = std::array<std::uint16_t, 0x10000>;
const UnicodeTable& FromUnicode() {
  static const std::unique_ptr<UnicodeTable> table = [] {
    std::string codes;
    for (unsigned b = 0x80; b <= 0xFF; ++b)
      if (!IsLeadByte(static_cast<unsigned char>(b))) codes += static_cast<char>(b);
    for (unsigned lead = 0x81; lead <= 0xFC; ++lead)
      if (IsLeadByte(static_cast<unsigned char>(lead)))
        for (unsigned trail = 0x40; trail <= 0xFC; ++trail)
          if (IsTrailByte(static_cast<unsigned char>(trail)))
            codes += {static_cast<char>(lead), static_cast<char>(trail)};
    const std::string read = Convert(FromCp932(), codes, [&](std::size_t pos, std::string&) {
      return IsLeadByte(static_cast<unsigned char>(codes[pos])) ? std::size_t{2} : std::size_t{1};
    });
    std::vector<bool> held(0x10000, false);
    for (char32_t c : {0x00A2, 0x00A3, 0x00A5, 0x00AC, 0x2014, 0x2016, 0x203E, 0x2212, 0x301C})
      held[c] = true;
    const auto* p = reinterpret_cast<const unsigned char*>(read.data());
    for (std::size_t i = 0; i < read.size();) {
      char32_t cp = 0;
      const std::size_t len = Utf8Sequence(p + i, read.size() - i, cp);
      if (len == 0) {
        ++i;
        continue;
      }
      if (cp < 0x10000) held[cp] = true;
      i += len;
    }
    std::string all;
    std::vector<char32_t> order;
    for (char32_t c = 0x80; c < 0x10000; ++c)
      if (held[c]) {
        AppendUtf8(all, c);
        order.push_back(c);
      }
    const std::string out = Convert(FromUtf8(), all, [&](std::size_t pos, std::string& o) {
      o += '\0';  // no character from U+0080 on becomes a NUL
      return static_cast<unsigned char>(all[pos]) < 0xE0 ? std::size_t{2} : std::size_t{3};
    });
    auto t = std::make_unique<UnicodeTable>();
    t->fill(0);
    std::size_t k = 0;
    for (char32_t c : order) {
      if (k >= out.size()) break;
      const auto b = static_cast<unsigned char>(out[k]);
      if (IsLeadByte(b) && k + 1 < out.size()) {
        (*t)[c] = static_cast<std::uint16_t>((b << 8) | static_cast<unsigned char>(out[k + 1]));
        k += 2;
      } else {
        (*t)[c] = b;
        ++k;
      }
    }
    return t;
  }();
  return *table;
}

// One byte for each character of the Basic Multilingual Plane, 1 when it has
// a CP932 form: a lookup is a single load, and a file touches only the lines
// of the few hundred characters it uses, where the table of forms holds two
// bytes a character.
using FormBytes = std::array<std::uint8_t, 0x10000>;
const FormBytes& HasForm() {
  static const std::unique_ptr<FormBytes> bytes = [] {
    auto b = std::make_unique<FormBytes>();
    const UnicodeTable& t = FromUnicode();
    for (std::size_t c = 0; c < t.size(); ++c) (*b)[c] = c < 0x80 || t[c] != 0;
    return b;
  }();
  return *bytes;
}

}  // namespace

std::size_t CharLen(std::string_view s, std::size_t i) {
  if (i + 1 < s.size() && IsLeadByte(static_cast<unsigned char>(s[i])) &&
      IsTrailByte(static_cast<unsigned char>(s[i + 1])))
    return 2;
  return 1;
}

std::string_view CutBytes(std::string_view s, std::size_t limit) {
  if (s.size() <= limit) return s;
  std::size_t i = 0;
  while (i < limit) {
    std::size_t n = CharLen(s, i);
    if (i + n > limit) break;
    i += n;
  }
  return s.substr(0, i);
}

std::string ToUtf8(std::string_view cp932) {
  // Plain ASCII needs no converter (the usual case for answers and numbers).
  bool ascii = true;
  for (unsigned char c : cp932)
    if (c >= 0x80) {
      ascii = false;
      break;
    }
  if (ascii) return std::string(cp932);
  return Convert(FromCp932(), cp932, [](std::size_t, std::string& out) {
    out += "\xEF\xBF\xBD";
    return std::size_t{1};
  });
}

std::string ToCp932(std::string_view utf8) {
  return Convert(FromUtf8(), utf8, [&](std::size_t pos, std::string&) -> std::size_t {
    throw ConvertError("「" + std::string(utf8) + "」の " + std::to_string(pos + 1) +
                       " バイト目の文字は Shift-JIS (CP932) で表せません");
  });
}

bool LooksLikeUtf8(std::string_view bytes) {
  if (bytes.starts_with(kUtf8Bom)) return true;
  const auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
  const std::size_t n = bytes.size();
  bool multi = false;
  for (std::size_t i = 0; i < n;) {
    if (i + 8 <= n && Ascii8(p + i)) {
      i += 8;
    } else if (p[i] < 0x80) {
      ++i;
    } else if (p[i] >= 0xE1 && p[i] <= 0xEC && i + 2 < n && (p[i + 1] & 0xC0) == 0x80 &&
               (p[i + 2] & 0xC0) == 0x80) {
      multi = true;  // kana and kanji: three bytes with nothing more to check
      i += 3;
    } else {
      char32_t cp;
      const std::size_t len = Utf8Sequence(p + i, n - i, cp);
      if (len == 0) return false;  // CP932 text fails here, at its first Japanese character or so
      multi = true;
      i += len;
    }
  }
  return multi;
}

namespace {

// The scan from p[i] (a character's first byte) until i reaches `stop`, one
// character or run at a time; false at the first byte that is no UTF-8. A
// character that ends past `stop` is taken whole.
bool ScanFrom(const unsigned char* p, std::size_t n, std::size_t& i, std::size_t stop,
              unsigned& all, Utf8Scan& r) {
  const FormBytes& has = HasForm();
  while (i < stop) {
    if (i + 8 <= n && Ascii8(p + i)) {
      i += 8;
      continue;
    }
    if (p[i] < 0x80) {
      ++i;
      continue;
    }
    // A run of kana and kanji: three bytes each, lead E1..EF but ED (whose
    // surrogates, and E0's overlong forms, take the full check below),
    // tested as one word (a single load where the machine allows).
    while (i + 3 <= n) {
      const std::uint32_t w =
          p[i] | (std::uint32_t{p[i + 1]} << 8) | (std::uint32_t{p[i + 2]} << 16);
      const std::uint32_t lead = w & 0x0Fu;
      if ((w & 0xC0C0F0u) != 0x8080E0u || lead == 0 || lead == 0x0D) break;
      const std::uint32_t cp = (lead << 12) | ((w >> 2) & 0xFC0u) | ((w >> 16) & 0x3Fu);
      all &= has[cp];
      i += 3;
      r.multi = true;
    }
    if (i >= n || p[i] < 0x80) continue;
    char32_t cp = 0;
    const std::size_t len = Utf8Sequence(p + i, n - i, cp);
    if (len == 0) return false;
    r.multi = true;
    if (cp >= 0x10000)
      all = 0;
    else
      all &= has[cp];
    i += len;
  }
  return true;
}

#if defined(VCQ_SCAN_AVX2)

// The characters U+3000 to U+30FF (kana and the Japanese marks) with a CP932
// form, a bit each: the blocks test them in registers, which leaves a lookup
// only for kanji and the rarer characters.
struct KanaBits {
  alignas(16) std::array<std::uint8_t, 32> bits{};
};
const KanaBits& KanaForms() {
  static const KanaBits k = [] {
    KanaBits b;
    const FormBytes& has = HasForm();
    for (unsigned c = 0; c < 256; ++c)
      b.bits[c >> 3] = static_cast<std::uint8_t>(b.bits[c >> 3] | (has[0x3000 + c] << (c & 7)));
    return b;
  }();
  return k;
}

// A constant of the block scan, 32 times the byte `b`. Hidden from the
// optimiser, which would otherwise build it afresh in the loop each time it
// runs short of registers, in two steps; a spilled one is read back in one.
__attribute__((target("avx2"))) inline __m256i bytes(int b) {
  __m256i v = _mm256_set1_epi8(static_cast<char>(b));
  asm("" : "+x"(v));
  return v;
}

bool HasAvx2() {
  static const bool yes = __builtin_cpu_supports("avx2") && __builtin_cpu_supports("bmi");
  return yes;
}

// Thirty-two bytes at a time while they hold only ASCII and three-byte
// characters of the kind ScanFrom's run takes: English and Japanese mixed,
// where a branch per character would mostly guess wrong. A character may
// cross into the next block, whose first one or two bytes must then continue
// it (`carry`). Anything else goes to ScanFrom, from the start of the
// character it is in. Leaves `i` at a character's first byte.
__attribute__((target("avx2,bmi"))) bool ScanBlocks(const unsigned char* p, std::size_t n,
                                                    std::size_t& from, unsigned& all, Utf8Scan& r) {
  // Kept in locals: stores through the references could alias the loads of
  // the table and the text, and would be made for every character.
  std::size_t i = from;
  unsigned fit = all;
  bool multi = r.multi;
  const FormBytes& has = HasForm();
  const KanaBits& kana = KanaForms();
  const __m256i kanaLow = _mm256_broadcastsi128_si256(
      _mm_load_si128(reinterpret_cast<const __m128i*>(kana.bits.data())));
  const __m256i kanaHigh = _mm256_broadcastsi128_si256(
      _mm_load_si128(reinterpret_cast<const __m128i*>(kana.bits.data() + 16)));
  const __m256i bitOf =
      _mm256_setr_epi8(1, 2, 4, 8, 16, 32, 64, -128, 1, 2, 4, 8, 16, 32, 64, -128, 1, 2, 4, 8, 16,
                       32, 64, -128, 1, 2, 4, 8, 16, 32, 64, -128);
  __m256i kanaBad = _mm256_setzero_si256();
  // Code points of the block's places, stored for the lookups.
  alignas(32) std::array<std::uint16_t, 32> points{};
  const __m256i leadLow = bytes(0xE0), leadHigh = bytes(0xF0), surrogate = bytes(0xED);
  const __m256i contHigh = bytes(0xC0), low6 = bytes(0x3F), low4 = bytes(0x0F);
  const __m256i kanaLead = bytes(0xE3), kanaSecond = bytes(0x84), low5 = bytes(0x1F);
  const __m256i zero = _mm256_setzero_si256();
  unsigned carry = 0;
  // The two bytes after a block are read with it, for a character that
  // starts in its last two places.
  for (;;) {
    // Blocks until the end, or until one that ScanFrom must take: kept free of
    // calls, so that the constants stay in registers.
    bool simple = true;
    while (i + 34 <= n) {
      const __m256i v = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(p + i));
      const auto high = static_cast<std::uint32_t>(_mm256_movemask_epi8(v));
      if ((high | carry) == 0) {
        i += 32;
        continue;
      }
      // Signed compares: E1..EF lies above E0 and below F0, 80..BF below C0.
      const __m256i lead = _mm256_andnot_si256(
          _mm256_cmpeq_epi8(v, surrogate),
          _mm256_and_si256(_mm256_cmpgt_epi8(v, leadLow), _mm256_cmpgt_epi8(leadHigh, v)));
      const auto leads = static_cast<std::uint32_t>(_mm256_movemask_epi8(lead));
      const auto conts =
          static_cast<std::uint32_t>(_mm256_movemask_epi8(_mm256_cmpgt_epi8(contHigh, v)));
      const std::uint64_t want = carry | (std::uint64_t{leads} << 1) | (std::uint64_t{leads} << 2);
      if (conts != static_cast<std::uint32_t>(want) || (high & ~(leads | conts)) != 0) {
        simple = false;
        break;
      }
      // A character that crosses into the next block counts only once that
      // block shows it whole: the scan of invalid text reports whether a
      // character of more than one byte came before the first bad byte. It is
      // looked up at once; should the next block show it is none, the text is
      // no UTF-8 and fits nothing anyway.
      if ((leads & 0x3FFFFFFFu) != 0 || carry != 0) multi = true;
      carry = static_cast<unsigned>(want >> 32);
      // Each place with the two bytes after it: at a lead byte, its character.
      const __m256i v1 = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(p + i + 1));
      const __m256i v2 =
          _mm256_and_si256(_mm256_loadu_si256(reinterpret_cast<const __m256i*>(p + i + 2)), low6);
      // The low byte of the code point; for U+3000..U+30FF (lead E3, second
      // byte 80..83, below 84 in a signed compare) the place of its bit
      // among the kana.
      const __m256i low = _mm256_or_si256(_mm256_and_si256(_mm256_slli_epi16(v1, 6), contHigh), v2);
      const __m256i isKana =
          _mm256_and_si256(_mm256_cmpeq_epi8(v, kanaLead), _mm256_cmpgt_epi8(kanaSecond, v1));
      const __m256i byteAt = _mm256_and_si256(_mm256_srli_epi16(low, 3), low5);
      const __m256i kanaByte =
          _mm256_blendv_epi8(_mm256_shuffle_epi8(kanaLow, byteAt),
                             _mm256_shuffle_epi8(kanaHigh, byteAt), _mm256_slli_epi16(byteAt, 3));
      const __m256i kanaBit = _mm256_shuffle_epi8(bitOf, _mm256_and_si256(low, low4));
      kanaBad = _mm256_or_si256(
          kanaBad,
          _mm256_and_si256(isKana, _mm256_cmpeq_epi8(_mm256_and_si256(kanaByte, kanaBit), zero)));
      const std::uint32_t others =
          leads & ~static_cast<std::uint32_t>(_mm256_movemask_epi8(isKana));
      if (others != 0) {
        const __m256i highByte = _mm256_or_si256(_mm256_and_si256(_mm256_srli_epi16(v1, 2), low4),
                                                 _mm256_slli_epi16(_mm256_and_si256(v, low4), 4));
        // The pairs come out by halves of 128 bits: places 0-7 and 16-23,
        // then 8-15 and 24-31; the mask of places is put in that order.
        _mm256_store_si256(reinterpret_cast<__m256i*>(points.data()),
                           _mm256_unpacklo_epi8(low, highByte));
        _mm256_store_si256(reinterpret_cast<__m256i*>(points.data() + 16),
                           _mm256_unpackhi_epi8(low, highByte));
        std::uint32_t l =
            (others & 0xFF0000FFu) | ((others & 0x00FF0000u) >> 8) | ((others & 0x0000FF00u) << 8);
        for (; l != 0; l &= l - 1) fit &= has[points[std::countr_zero(l)]];
      }
      i += 32;
    }
    if (simple) break;
    // carry 1: a lead byte two places back; 3: one place back.
    const std::size_t stop = i + 32;
    i -= carry == 0 ? 0 : carry == 1 ? 2 : 1;
    carry = 0;
    all = fit;
    r.multi = multi;
    const bool valid = ScanFrom(p, n, i, stop, all, r);
    fit = all;
    multi = r.multi;
    if (!valid) return false;
  }
  // The character that crossed into the rest is scanned again whole.
  i -= carry == 0 ? 0 : carry == 1 ? 2 : 1;
  if (!_mm256_testz_si256(kanaBad, kanaBad)) fit = 0;
  from = i;
  all = fit;
  r.multi = multi;
  return true;
}

#endif

}  // namespace

Utf8Scan ScanUtf8(std::string_view bytes) {
  Utf8Scan r;
  const auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
  const std::size_t n = bytes.size();
  unsigned all = 1;  // 0 from the first character without a form on
  std::size_t i = bytes.starts_with(kUtf8Bom) ? kUtf8Bom.size() : 0;
#if defined(VCQ_SCAN_AVX2)
  if (HasAvx2() && !ScanBlocks(p, n, i, all, r)) return {false, r.multi, false};
#endif
  if (!ScanFrom(p, n, i, n, all, r)) return {false, r.multi, false};
  r.fits = all != 0;
  return r;
}

Utf8Text Utf8ToCp932(std::string_view bytes) {
  Utf8Text r;
  const UnicodeTable& table = FromUnicode();
  const auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
  const std::size_t n = bytes.size();
  // CP932 is never longer than UTF-8: one byte for one, at most two for two or more.
  r.cp932.resize(n);
  char* o = r.cp932.data();
  for (std::size_t i = bytes.starts_with(kUtf8Bom) ? kUtf8Bom.size() : 0; i < n;) {
    if (i + 8 <= n && Ascii8(p + i)) {
      std::memcpy(o, p + i, 8);
      o += 8;
      i += 8;
      continue;
    }
    if (p[i] < 0x80) {
      *o++ = static_cast<char>(p[i++]);
      continue;
    }
    // Kana and kanji first: three bytes that need none of the rarer checks.
    if (p[i] >= 0xE1 && p[i] <= 0xEC && i + 2 < n && (p[i + 1] & 0xC0) == 0x80 &&
        (p[i + 2] & 0xC0) == 0x80) {
      const std::uint16_t code =
          table[((p[i] & 0x0Fu) << 12) | ((p[i + 1] & 0x3Fu) << 6) | (p[i + 2] & 0x3Fu)];
      if (code > 0xFF) {
        o[0] = static_cast<char>(code >> 8);
        o[1] = static_cast<char>(code & 0xFF);
        o += 2;
        i += 3;
        continue;
      }
    }
    char32_t cp = 0;
    const std::size_t len = Utf8Sequence(p + i, n - i, cp);
    const std::uint16_t code = len != 0 && cp < 0x10000 ? table[cp] : 0;
    if (code > 0xFF) {
      *o++ = static_cast<char>(code >> 8);
      *o++ = static_cast<char>(code & 0xFF);
    } else if (code != 0) {
      *o++ = static_cast<char>(code);
    } else {
      r.bad.push_back({i, len ? len : 1, len ? static_cast<std::int32_t>(cp) : -1});
      *o++ = '?';
    }
    i += len ? len : 1;
  }
  r.cp932.resize(static_cast<std::size_t>(o - r.cp932.data()));
  return r;
}

Text DescribeBadChar(std::string_view bytes, const BadChar& bad) {
  char code[16];
  if (bad.codePoint < 0) {
    std::snprintf(code, sizeof code, "0x%02X", static_cast<unsigned char>(bytes[bad.pos]));
    return Say({"byte {} does not read as UTF-8", "UTF-8 として読めないバイト {} があります"},
               {code});
  }
  std::snprintf(code, sizeof code, "U+%04X", static_cast<unsigned>(bad.codePoint));
  return Say(
      {"'{}' ({}) has no Shift-JIS (CP932) form", "「{}」({}) は Shift-JIS (CP932) で表せません"},
      {bytes.substr(bad.pos, bad.len), code});
}

std::string LowerCp932(std::string_view s) {
  std::string out(s);
  for (std::size_t i = 0; i < out.size();) {
    unsigned char c = static_cast<unsigned char>(out[i]);
    std::size_t n = CharLen(out, i);
    if (n == 1) {
      if (c >= 'A' && c <= 'Z') out[i] = static_cast<char>(c + 0x20);
    } else {
      unsigned code = (c << 8) | static_cast<unsigned char>(out[i + 1]);
      unsigned lower = code;
      if (code >= 0x8260 && code <= 0x8279)
        lower = code + 0x21;  // Ａ-Ｚ
      else if (code >= 0x839F && code <= 0x83B6)
        lower = code + 0x20;  // Greek
      else if (code >= 0x8440 && code <= 0x844E)
        lower = code + 0x30;  // Cyrillic А-Н
      else if (code >= 0x844F && code <= 0x8460)
        lower = code + 0x31;  // Cyrillic О-Я (the lower row skips 0x7F)
      out[i + 1] = static_cast<char>(lower & 0xFF);
    }
    i += n;
  }
  return out;
}

}  // namespace vcq
