#include "data/Cp932.h"

#include <gtest/gtest.h>

#include <map>
#include <random>
#include <string_view>

#include "data/TextUtil.h"
#include "platform/Error.h"

namespace vcq {
namespace {

TEST(Cp932Test, RoundTripOfTheCharactersShiftJisRefuses) {
  for (const char* s : {"①～－", "日本語のテキスト", "\\ backslash", "ﾍﾙﾌﾟ"}) {
    EXPECT_EQ(ToUtf8(ToCp932(s)), s);
  }
  // A backslash stays a single byte 0x5C.
  EXPECT_EQ(ToCp932("\\"), "\x5C");
  EXPECT_THROW(ToCp932("🙂"), ConvertError);
}

TEST(Cp932Test, BadBytesShowAsReplacementCharacters) {
  // A lone lead byte at the end, and an invalid byte in the middle.
  EXPECT_EQ(ToUtf8("ab\x82"), "ab\xEF\xBF\xBD");
  EXPECT_EQ(ToUtf8("a\xFF"
                   "b"),
            "a\xEF\xBF\xBD"
            "b");
}

TEST(Cp932Test, CutsNeverSplitACharacter) {
  const std::string s = "a" + Sj("日本");  // 5 bytes
  EXPECT_EQ(CutBytes(s, 5), s);
  EXPECT_EQ(CutBytes(s, 4), "a" + Sj("日"));
  EXPECT_EQ(CutBytes(s, 2), "a");  // one byte earlier rather than half a character
  EXPECT_EQ(CutBytes(s, 0), "");
}

TEST(Cp932Test, LowerCasing) {
  EXPECT_EQ(LowerCp932("Don't STOP"), "don't stop");
  EXPECT_EQ(LowerCp932(Sj("ＡＢＣ")), Sj("ａｂｃ"));
  EXPECT_EQ(LowerCp932(Sj("ΩЯ")), Sj("ωя"));
  EXPECT_EQ(LowerCp932(Sj("アイウ漢字")), Sj("アイウ漢字"));
}

TEST(Cp932Test, RecognisesUtf8Files) {
  EXPECT_TRUE(LooksLikeUtf8("title 日本語"));
  EXPECT_FALSE(LooksLikeUtf8("plain ascii"));
  EXPECT_FALSE(LooksLikeUtf8(Sj("日本語のテキスト")));
  EXPECT_TRUE(LooksLikeUtf8("\xEF\xBB\xBFplain ascii"));
  EXPECT_FALSE(LooksLikeUtf8("\xED\xA0\x80 a surrogate"));
  EXPECT_FALSE(LooksLikeUtf8("\xC0\xAF overlong"));
}

// Given UTF-8 text, each character becomes its CP932 form (the JIS wave dash
// and minus too), and a character without one, or a byte that is no UTF-8,
// becomes '?' and is named where it stands.
TEST(Cp932Test, Utf8TextInCp932) {
  const std::string utf8 = "\xEF\xBB\xBF英語〜−ｱ a😀b\xFF";
  const Utf8Text t = Utf8ToCp932(utf8);
  EXPECT_EQ(t.cp932, Sj("英語～－ｱ a") + "?b?");
  ASSERT_EQ(t.bad.size(), 2u);
  const std::string emoji = "「😀」(U+1F600) は Shift-JIS (CP932) で表せません";
  EXPECT_EQ(DescribeBadChar(utf8, t.bad[0]).ja, emoji);
  EXPECT_EQ(utf8.substr(t.bad[1].pos, 1), "\xFF");
  EXPECT_EQ(DescribeBadChar(utf8, t.bad[1]).ja, "UTF-8 として読めないバイト 0xFF があります");
  // Every character CP932 holds comes back as the code iconv gives it.
  for (unsigned lead = 0x81; lead <= 0xFC; ++lead)
    for (unsigned trail = 0x40; trail <= 0xFC && IsLeadByte(static_cast<unsigned char>(lead));
         ++trail) {
      const std::string code{static_cast<char>(lead), static_cast<char>(trail)};
      const std::string text = ToUtf8(code);
      if (text.find("\xEF\xBF\xBD") != std::string::npos) continue;
      const Utf8Text own = Utf8ToCp932(text);
      ASSERT_TRUE(own.bad.empty()) << lead << " " << trail;
      ASSERT_EQ(own.cp932, ToCp932(text)) << lead << " " << trail;
    }
}

// Given a lead byte cut from its character just before a blank or a comma,
// the separator should still separate: the split, the cut and the hint step
// over it as a byte of its own.
TEST(Cp932Test, AStrayLeadByteNeverSwallowsASeparator) {
  const Fields blank = SplitBlank("ab\x82 cd \x82\xA0");
  ASSERT_EQ(blank.Count(), 3);
  EXPECT_EQ(blank.Words[0], "ab\x82");
  EXPECT_EQ(blank.Words[2], "\x82\xA0");
  const FieldViews comma = SplitCommaViews("1,\x93,2");
  ASSERT_EQ(comma.Count(), 3);
  EXPECT_EQ(comma.Words[1], "\x93");
  EXPECT_EQ(CutBytes("\x82 x", 1), "\x82");
  EXPECT_EQ(OneLetterHint("\x82 x"), "\x82--");
  EXPECT_EQ(UnderToBlank("\x82 _"), "\x82  ");
  // A header of 19 fields, one of them ending in a stray lead byte, is too many.
  std::string header = "T\x82 0 0";
  for (int i = 0; i < 16; ++i) header += " x";
  EXPECT_THROW(SplitBlankViews(header), RangeError);
}

// The quick scan of possible UTF-8 against a plain reading of the rules, one
// character at a time, on mixed text cut at every length: valid or not, a
// character of more than one byte before the first bad byte, and a CP932 form
// for every character as the converter finds it.
Utf8Scan ReadOneByOne(std::string_view s, std::map<char32_t, bool>& formOf) {
  Utf8Scan r;
  if (s.starts_with(kUtf8Bom)) s.remove_prefix(kUtf8Bom.size());
  for (std::size_t i = 0; i < s.size();) {
    const auto c = static_cast<unsigned char>(s[i]);
    const std::size_t n = c < 0x80                 ? 1
                          : c >= 0xC2 && c <= 0xDF ? 2
                          : c >= 0xE0 && c <= 0xEF ? 3
                          : c >= 0xF0 && c <= 0xF4 ? 4
                                                   : 0;
    char32_t cp = n == 1 ? c : c & (0x7Fu >> n);
    bool ok = n != 0 && i + n <= s.size();
    for (std::size_t k = 1; ok && k < n; ++k) {
      const auto t = static_cast<unsigned char>(s[i + k]);
      ok = (t & 0xC0) == 0x80;
      cp = (cp << 6) | (t & 0x3Fu);
    }
    static constexpr char32_t kLeast[] = {0, 0, 0x80, 0x800, 0x10000};
    if (!ok || cp < kLeast[n] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
      return {false, r.multi, false};
    if (n > 1) {
      r.multi = true;
      // After a blank, so that U+FEFF is not taken for a byte-order mark.
      if (!formOf.contains(cp))
        formOf[cp] = Utf8ToCp932(" " + std::string(s.substr(i, n))).bad.empty();
      r.fits = r.fits && formOf[cp];
    }
    i += n;
  }
  return r;
}

TEST(Cp932Test, QuickUtf8ScanReadsAsOneCharacterAtATime) {
  const std::vector<std::string> pieces = {
      "a", "Fifteen bytes..", "\r\n", "あ", "日", "ア", "ｱ", "～", "一", "「", "。", "Ω", "é",
      "\xE4\xB8\x82", "\xE0\xA0\x80", "\xED\x9F\xBF", "\xEE\x80\x80", "\xEF\xBB\xBF", "😀",
      // Kana and marks beside ones with a form that have none: ゔ, ヷ, 〄, ゟ, 〰.
      "ゔ", "ヷ", "〄", "ゟ", "〰",
      // No UTF-8: overlong forms, surrogates, past U+10FFFF, stray and cut bytes.
      "\xE0\x9F\xBF", "\xC0\xAF", "\xC1\xBF", "\xED\xA0\x80", "\xED\xBF\xBF", "\xF0\x8F\xBF\xBF",
      "\xF4\x90\x80\x80", "\xF5\x80\x80\x80", "\x80", "\xBF", "\xFF", "\xE3\x81", "\xE6",
      "\xF0\x9F\x98"};
  const std::size_t firstBad = 24;
  std::mt19937 rng(932);
  std::map<char32_t, bool> formOf;
  int fitting = 0, invalid = 0;
  for (int text = 0; text < 1000; ++text) {
    std::string s = text % 5 == 0 ? std::string(kUtf8Bom) : "";
    const bool english = text % 4 == 1;  // no character of more than one byte but a bad one
    const int count = 1 + static_cast<int>(rng() % 40);
    for (int k = 0; k < count; ++k) {
      // Mostly text that converts, so that a bad byte comes after long runs.
      const std::size_t pick = rng() % 50 == 0  ? firstBad + rng() % (pieces.size() - firstBad)
                               : english        ? rng() % 3
                               : rng() % 3 == 0 ? rng() % firstBad
                                                : 1 + rng() % 10;
      s += pieces[pick];
    }
    for (std::size_t len = 0; len <= s.size(); ++len) {
      const std::string_view cut(s.data(), len);
      const Utf8Scan want = ReadOneByOne(cut, formOf);
      const Utf8Scan got = ScanUtf8(cut);
      ASSERT_TRUE(got.valid == want.valid && got.multi == want.multi && got.fits == want.fits)
          << "text " << text << " cut at " << len << ": "
          << testing::PrintToString(std::string(cut));
      fitting += want.valid && want.multi && want.fits;
      invalid += !want.valid;
    }
  }
  // Both kinds are common enough to matter.
  EXPECT_GT(fitting, 1000);
  EXPECT_GT(invalid, 1000);
}

}  // namespace
}  // namespace vcq
