#include "data/TextUtil.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "data/Cp932.h"
#include "platform/Error.h"

namespace vcq {
namespace {

TEST(SplitTest, RunsAndEdgesOfSeparators) {
  // Leading and repeated blanks count as one separator.
  Fields f = SplitBlank("  have   been");
  EXPECT_EQ(f.WordTop, 1);
  EXPECT_EQ(f.Words[0], "have");
  EXPECT_EQ(f.Words[1], "been");
  // No empty field between two commas.
  const FieldViews c = SplitCommaViews("3,,2");
  EXPECT_EQ(c.WordTop, 1);
  EXPECT_EQ(c.Words[1], "2");
  // A trailing separator leaves an empty last field.
  f = SplitBlank("a b ");
  EXPECT_EQ(f.WordTop, 2);
  EXPECT_EQ(f.Words[2], "");
  // An empty line and a line of separators give one empty field.
  EXPECT_EQ(SplitBlank("").WordTop, 0);
  EXPECT_EQ(SplitCommaViews(",,,").WordTop, 0);
  // Only the blank separates: a tab stays inside the field.
  EXPECT_EQ(SplitBlank("a\tb").Words[0], "a\tb");
}

TEST(SplitTest, EighteenFieldsAtMost) {
  std::string eighteen;
  for (int i = 0; i < 18; ++i) eighteen += "w" + std::to_string(i) + " ";
  eighteen.pop_back();
  EXPECT_EQ(SplitBlank(eighteen).WordTop, 17);
  EXPECT_THROW(SplitBlank(eighteen + " w18"), RangeError);
  // The trailing blank opens a nineteenth, empty field.
  EXPECT_THROW(SplitBlank(eighteen + " "), RangeError);
}

TEST(SplitTest, DoubleByteTextIsNeverCut) {
  // 「表」 is 0x95 0x5C and 「ー」 is 0x81 0x5B: no trail byte splits or converts.
  std::string s = Sj("表示 ソース");
  Fields f = SplitBlank(s);
  EXPECT_EQ(f.WordTop, 1);
  EXPECT_EQ(f.Words[1], Sj("ソース"));
}

TEST(MarkupTest, UnderscoresHintsAndMarkers) {
  EXPECT_EQ(UnderToBlank("look_after"), "look after");
  EXPECT_EQ(OneLetterHint("have"), "h---");
  EXPECT_EQ(OneLetterHint("a"), "a");
  EXPECT_EQ(OneLetterHint(""), "");
  EXPECT_EQ(FirstIs("", "@"), 0);
  EXPECT_EQ(FirstIs("@been", "@"), 1);
  EXPECT_EQ(DropFirst("@been"), "been");
  EXPECT_EQ(DropFirst("x"), "");
  EXPECT_EQ(TestCap("Tokyo"), 1);
  EXPECT_EQ(TestCap("tokyo"), 0);
  EXPECT_EQ(TestCap("3rd"), 0);
  EXPECT_EQ(TestCap(""), 0);
}

TEST(MarkupTest, TrailBytesAreNotLetters) {
  // 「ソ」 is 0x83 0x5C, 「ァ」 0x83 0x40 ('@'), 「ゾ」 0x83 0x5D, 「ヂ」 0x83 0x61,
  // 「ア」 0x83 0x41 ('A'), 「ダ」 0x83 0x5F ('_').
  const std::string a = Sj("ア");
  ASSERT_EQ(a[1], 'A');
  EXPECT_EQ(LowerCp932(a), a);
  EXPECT_EQ(TestCap(a), 0);
  const std::string da = Sj("ダ_");
  ASSERT_EQ(da[1], '_');
  EXPECT_EQ(UnderToBlank(da), Sj("ダ "));
  const std::string small = Sj("ァ");
  ASSERT_EQ(small[1], '@');
  EXPECT_EQ(FirstIs(Sj("x") + small, "@"), 0);
  EXPECT_EQ(DropFirst(Sj("日本")), Sj("本"));
  EXPECT_EQ(OneLetterHint(Sj("日本")), Sj("日") + "--");
}

TEST(PermTest, KnownOrderForAFixedTimeOfDay) {
  const TimeOfDay t{12, 34, 56, 789};
  RandPerm p = MakePerm(10, t);
  const std::int32_t expected[] = {4, 2, 5, 0, 1, 9, 6, 8, 3, 7};
  for (int i = 0; i < 10; ++i) EXPECT_EQ(PermAt(p, i), expected[i]) << i;
  // The same millisecond gives the same order.
  EXPECT_EQ(MakePerm(10, t), p);
  ChoiceOrder c = ShuffleChoices(5, t);
  EXPECT_EQ((std::vector<int>(c.begin(), c.begin() + 5)), (std::vector<int>{2, 1, 3, 0, 4}));
  EXPECT_EQ(MakePerm(1, t)[0], 0);
}

TEST(PermTest, Limits) {
  RandPerm p = MakePerm(600, {23, 59, 59, 999});
  std::vector<bool> seen(600);
  for (int i = 0; i < 600; ++i) seen.at(p[i]) = true;
  EXPECT_EQ(std::count(seen.begin(), seen.end(), true), 600);
  EXPECT_EQ(MakePerm(0, {}), RandPerm{});
  EXPECT_THROW(MakePerm(601, {}), RangeError);
  EXPECT_THROW(ShuffleChoices(17, {}), RangeError);
  EXPECT_THROW(PermAt(p, 600), RangeError);
  EXPECT_THROW(PermAt(p, -1), RangeError);
}

}  // namespace
}  // namespace vcq
