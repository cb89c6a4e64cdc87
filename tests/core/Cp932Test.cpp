#include "data/Cp932.h"

#include <gtest/gtest.h>

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
  EXPECT_EQ(DescribeBadChar(utf8, t.bad[0]), "「😀」(U+1F600) は Shift-JIS (CP932) で表せません");
  EXPECT_EQ(utf8.substr(t.bad[1].pos, 1), "\xFF");
  EXPECT_EQ(DescribeBadChar(utf8, t.bad[1]), "UTF-8 として読めないバイト 0xFF があります");
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

}  // namespace
}  // namespace vcq
