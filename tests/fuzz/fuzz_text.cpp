// The byte-wise text rules on any bytes: splits, answer-word markup, the
// lower-casing, cuts and both conversions. Each must keep double-byte
// characters whole, and the conversions must agree with each other.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "data/Cp932.h"
#include "data/TextUtil.h"
#include "platform/Error.h"
#include "tests/fuzz/FuzzCheck.h"

using namespace vcq;

namespace {

// The offsets where the characters of `s` start, as CharLen steps them.
std::string Starts(std::string_view s) {
  std::string marks(s.size() + 1, 0);
  std::size_t i = 0;
  while (i < s.size()) {
    marks[i] = 1;
    i += CharLen(s, i);
  }
  FUZZ_CHECK(i == s.size());
  marks[i] = 1;
  return marks;
}

bool ValidUtf8(std::string_view s) {
  for (std::size_t i = 0; i < s.size();) {
    const unsigned char c = static_cast<unsigned char>(s[i]);
    std::size_t n;
    std::uint32_t cp;
    if (c < 0x80) {
      n = 1;
      cp = c;
    } else if ((c >> 5) == 0x6) {
      n = 2;
      cp = c & 0x1F;
    } else if ((c >> 4) == 0xE) {
      n = 3;
      cp = c & 0x0F;
    } else if ((c >> 3) == 0x1E) {
      n = 4;
      cp = c & 0x07;
    } else {
      return false;
    }
    if (i + n > s.size()) return false;
    for (std::size_t k = 1; k < n; ++k) {
      const unsigned char t = static_cast<unsigned char>(s[i + k]);
      if ((t & 0xC0) != 0x80) return false;
      cp = (cp << 6) | (t & 0x3F);
    }
    static constexpr std::uint32_t kMin[] = {0, 0, 0x80, 0x800, 0x10000};
    if (cp < kMin[n] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return false;
    i += n;
  }
  return true;
}

// Either split, copying or viewing: the same fields.
template <typename Split>
void CheckSplit(std::string_view s, char sep, Split split) {
  decltype(split(s)) f;
  try {
    f = split(s);
  } catch (const RangeError&) {
    return;  // more than 18 fields
  }
  FUZZ_CHECK(f.WordTop >= 0 && f.WordTop < kMaxFields);
  // The fields are the characters of the line minus the separators, in order.
  std::string joined, kept;
  for (int i = 0; i <= f.WordTop; ++i) {
    FUZZ_CHECK(f.Words[i].size() <= s.size());
    joined += f.Words[i];
  }
  for (std::size_t i = 0; i < s.size(); i += CharLen(s, i))
    if (!(CharLen(s, i) == 1 && s[i] == sep)) kept += s.substr(i, CharLen(s, i));
  FUZZ_CHECK(joined == kept);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size > 4096) return 0;
  const std::string_view all(reinterpret_cast<const char*>(data), size);
  // The first byte is a limit for the cut; the rest is the text, and split at
  // its first NUL into two for the comparisons.
  const std::size_t limit = size ? data[0] : 0;
  const std::string_view s = size ? all.substr(1) : all;
  const std::size_t nul = s.find('\0');
  const std::string_view t = nul == std::string_view::npos ? std::string_view{} : s.substr(nul + 1);
  const std::string starts = Starts(s);

  CheckSplit(s, ' ', SplitBlank);
  CheckSplit(s, ',', SplitCommaViews);

  const std::string under = UnderToBlank(s);
  FUZZ_CHECK(under.size() == s.size());
  for (std::size_t i = 0; i < s.size(); ++i)
    if (under[i] != s[i])
      FUZZ_CHECK(s[i] == '_' && under[i] == ' ' && starts[i] && CharLen(s, i) == 1);

  const std::string hint = OneLetterHint(s);
  FUZZ_CHECK(hint.size() == s.size());
  if (!s.empty()) {
    const std::size_t first = CharLen(s, 0);
    FUZZ_CHECK(hint.compare(0, first, s.substr(0, first)) == 0);
    FUZZ_CHECK(hint.find_first_not_of('-', first) == std::string::npos);
  }

  const int firstIs = FirstIs(s, t);
  FUZZ_CHECK(firstIs == 0 || firstIs == 1);
  FUZZ_CHECK(FirstIs(s, s) == (s.empty() ? 0 : 1));
  const std::string rest = DropFirst(s);
  FUZZ_CHECK(s.empty() ? rest.empty() : rest == s.substr(CharLen(s, 0)));
  const int cap = TestCap(s);
  FUZZ_CHECK(cap == (!s.empty() && CharLen(s, 0) == 1 && s[0] >= 'A' && s[0] <= 'Z'));

  // Lower-casing changes single bytes A-Z and trail bytes only.
  const std::string lower = LowerCp932(s);
  FUZZ_CHECK(lower.size() == s.size());
  for (std::size_t i = 0; i < s.size(); i += CharLen(s, i)) {
    if (CharLen(s, i) == 2) {
      FUZZ_CHECK(lower[i] == s[i]);
    } else if (lower[i] != s[i]) {
      FUZZ_CHECK(s[i] >= 'A' && s[i] <= 'Z' && lower[i] == s[i] + 0x20);
    }
  }
  FUZZ_CHECK(Starts(lower) == starts);
  FUZZ_CHECK(LowerCp932(lower) == lower);

  const std::string_view cut = CutBytes(s, limit);
  FUZZ_CHECK(cut.data() == s.data());
  FUZZ_CHECK(cut.size() <= limit || (cut.size() == s.size() && s.size() <= limit));
  FUZZ_CHECK(starts[cut.size()] == 1);
  // The longest such head: the next character would not fit.
  if (cut.size() < s.size()) FUZZ_CHECK(cut.size() + CharLen(s, cut.size()) > limit);

  const std::string utf8 = ToUtf8(s);
  FUZZ_CHECK(ValidUtf8(utf8));
  (void)LooksLikeUtf8(s);
  if (utf8.find("\xEF\xBF\xBD") == std::string::npos) {
    // A text that decodes cleanly encodes back. CP932 gives some characters two
    // codes (NEC and IBM rows), so the bytes may differ but not the text.
    std::string back;
    try {
      back = ToCp932(utf8);
    } catch (const ConvertError&) {
      FUZZ_CHECK(!"a decoded text has no CP932 form");
    }
    FUZZ_CHECK(ToUtf8(back) == utf8);
    FUZZ_CHECK(Starts(back).size() == back.size() + 1);
    // The bank reader's own converter agrees with iconv, character for character.
    const Utf8Text own = Utf8ToCp932(utf8);
    FUZZ_CHECK(own.bad.empty() && own.cp932 == back);
  }
  // Any bytes at all: every byte is converted, named as bad, or part of a
  // character, and the result is never longer than the input.
  const Utf8Text any = Utf8ToCp932(s);
  FUZZ_CHECK(any.cp932.size() <= s.size());
  for (const BadChar& bad : any.bad) FUZZ_CHECK(bad.pos < s.size() && bad.len >= 1);
  // Any UTF-8 converts or fails with ConvertError, nothing else.
  try {
    const std::string sj = ToCp932(s);
    FUZZ_CHECK(ValidUtf8(s));
    FUZZ_CHECK(ToCp932(ToUtf8(sj)) == sj);
  } catch (const ConvertError&) {
  }
  return 0;
}
