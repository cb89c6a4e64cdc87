#include "data/Cp932.h"

#include <gtest/gtest.h>

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
}

}  // namespace
}  // namespace vcq
