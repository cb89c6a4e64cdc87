#include "data/Bank.h"

#include <gtest/gtest.h>

#include "data/Cp932.h"
#include "platform/Error.h"
#include "tests/support/TextFiles.h"

namespace vcq {
namespace {

using test::Lines;

struct Loaded {
  Bank bank;
  LessonFlags sel{};
};

Loaded Load(const std::string& bytes) {
  Loaded l;
  LoadBankText(l.bank, l.sel, bytes, "t.dat");
  return l;
}

const std::string kLayout1 = Lines({
    "comment",
    "英語 1 3",
    "2",
    "動詞",
    "前置詞",
    "0",
    "I @have @been to Kyoto",
    "京都に行ったことがある",
    "現在完了",
    "1",
    "He is @in the room",
    "彼は部屋にいる",
    "場所の in",
    "1",
    "@on Monday",
    "月曜日に",
    "曜日の on",
});

TEST(LoadBankTest, LayoutZeroMakesOneSelectedLesson) {
  Loaded l = Load(Lines({"x", "Title 0 3", "a @b", "p1", "c @d", "p2", "e @f", "p3"}));
  EXPECT_EQ(l.bank.QuesCount, 3);
  EXPECT_EQ(l.bank.LesCount, 1);
  EXPECT_EQ(l.bank.LesName[0], Sj("全問題"));
  EXPECT_EQ(l.sel[0], 1);
  EXPECT_EQ(l.bank.LesLines, 0);
  EXPECT_EQ(l.bank.DataForm, 0);
}

TEST(LoadBankTest, KindsAndHeaders) {
  EXPECT_EQ(Load(Lines({"", "T 13 0", "0", "0"})).bank.DataForm, 3);
  EXPECT_EQ(Load(Lines({"", "T 20 0"})).bank.DataForm, 0);
  Loaded neg = Load(Lines({"", "T -13 0"}));
  EXPECT_EQ(neg.bank.DataKind, -13);
  EXPECT_EQ(neg.bank.DataForm, -3);
  // Leading and doubled blanks parse as single ones; further fields are ignored.
  Loaded spaced = Load(Lines({"", "   T   0    0  extra"}));
  EXPECT_EQ(spaced.bank.BankTitle, "T");
  // A title is cut to 120 bytes, never inside a double-byte character.
  std::string longTitle = "a";
  for (int i = 0; i < 70; ++i) longTitle += "語";
  Loaded cut = Load(Lines({"", longTitle + " 0 0"}));
  EXPECT_EQ(cut.bank.BankTitle.size(), 119u);
}

TEST(LoadBankTest, LessonsAndNumbersOfLayoutsOneAndTwo) {
  Loaded l = Load(kLayout1);
  EXPECT_EQ(l.bank.LesCount, 2);
  EXPECT_EQ(l.bank.LesName[1], Sj("前置詞"));
  EXPECT_EQ(l.bank.LesLines, 3);
  EXPECT_EQ(l.bank.QuesLes[0], 0);
  EXPECT_EQ(l.bank.QuesLes[2], 1);
  EXPECT_EQ(l.sel[0], 0);  // the record, not the bank, selects lessons with lessons in the file

  Loaded two = Load(Lines({"", "T 2 1", "1", "L", "2", "A", "B", "3  1", "s", "p", "n"}));
  EXPECT_EQ(two.bank.QuesLes[0], 3);
  EXPECT_EQ(two.bank.QuesLes2[0], 1);
  EXPECT_EQ(two.bank.LesCount2, 2);
  EXPECT_EQ(two.bank.LesLines, 5);
}

TEST(LoadBankTest, LongNamesKeepTheirHeadAndTheNextLine) {
  std::string longName(50, 'n');
  Loaded l = Load(Lines({"", "T 1 0", "2", longName, "second"}));
  EXPECT_EQ(l.bank.LesName[0], std::string(40, 'n'));
  EXPECT_EQ(l.bank.LesName[1], "second");
}

TEST(LoadBankTest, QuestionCountZeroKeepsLessonsOfQuestions) {
  Loaded l = Load(kLayout1);
  LoadBankText(l.bank, l.sel, Lines({"", "T 1 0", "1", "L"}), "t.dat");
  EXPECT_EQ(l.bank.QuesCount, 0);
  EXPECT_EQ(l.bank.QuesLes[2], 1);
}

// Given a file with CR bytes, its lines end at CR and CR LF only, and a lone
// LF stays inside its line; a file without any CR ends its lines at LF. 0x1A
// ends the file either way.
TEST(LoadBankTest, LineEndsAreDecidedPerFile) {
  std::string cr = "c\rT 0 2\r\na\nb\r\nc\rd\re\x1A\rgarbage\r\n";
  Loaded l = Load(cr);
  EXPECT_EQ(l.bank.QuesCount, 2);
  BatchSlots batch{0, 1};
  ReadBatchTextsFrom(l.bank, batch, 2, cr, "t.dat");
  EXPECT_EQ(l.bank.BatchSent[0], "a\nb");
  EXPECT_EQ(l.bank.BatchPrompt[0], "c");
  EXPECT_EQ(l.bank.BatchPrompt[1], "e");
  std::string lf = "c\nT 0 2\na\nb\nc\nd\x1A\ngarbage\n";
  Loaded m = Load(lf);
  ReadBatchTextsFrom(m.bank, batch, 2, lf, "t.dat");
  EXPECT_EQ(m.bank.BatchSent[0], "a");
  EXPECT_EQ(m.bank.BatchPrompt[1], "d");
}

TEST(LoadBankTest, SixHundredQuestionsAtMost) {
  std::string bank = Lines({"", "T 0 600"});
  EXPECT_EQ(Load(bank).bank.QuesCount, 600);
  Bank b;
  LessonFlags sel{};
  b.QuesCount = 5;
  EXPECT_THROW(LoadBankText(b, sel, Lines({"", "T 0 601"}), "t.dat"), RangeError);
  EXPECT_THROW(LoadBankText(b, sel, Lines({"", "T 0 -1"}), "t.dat"), RangeError);
  EXPECT_THROW(LoadBankText(b, sel, Lines({"", "T 1 0", "21"}), "t.dat"), RangeError);
  EXPECT_THROW(LoadBankText(b, sel, Lines({"", "T 2 0", "0", "21"}), "t.dat"), RangeError);
  std::string nineteen = "T 0 0";
  for (int i = 0; i < 16; ++i) nineteen += " x";
  EXPECT_THROW(LoadBankText(b, sel, Lines({"", nineteen}), "t.dat"), RangeError);
}

// Given a broken bank, the message names the file, the line and what was expected.
TEST(LoadBankTest, BrokenBanksSayWhereAndWhat) {
  auto message = [](const std::string& bytes) -> std::string {
    Bank b;
    LessonFlags sel{};
    try {
      LoadBankText(b, sel, bytes, "eigo.dat");
    } catch (const ConvertError& e) {
      return std::string("convert: ") + e.what();
    } catch (const RangeError& e) {
      return std::string("range: ") + e.what();
    }
    return "loaded";
  };
  EXPECT_EQ(message(Lines({"", "T x 0"})),
            "convert: 「eigo.dat」の 2 行目: 種類には整数が必要ですが「x」でした");
  EXPECT_EQ(message(Lines({"", "T 0"})),
            "convert: 「eigo.dat」の 2 行目: 問題数には整数が必要ですが「」でした");
  EXPECT_EQ(message(Lines({"", "T 1 1", "1 ", "L"})),
            "convert: 「eigo.dat」の 3 行目: 分野の数には整数が必要ですが「1 」でした");
  // A file that ends early: the first missing number line stops the load.
  EXPECT_EQ(message(Lines({"", "T 1 2", "1", "L", "0", "s", "p", "n"})),
            "convert: 「eigo.dat」の 9 行目: 問題 1 の分野番号には整数が必要ですが「」でした");
  EXPECT_EQ(message(Lines({"", "T 2 1", "1", "L", "1", "A", "0", "s", "p", "n"})),
            "convert: 「eigo.dat」の 7 行目: 問題 0 の第二分類番号には整数が必要ですが「」でした");
  EXPECT_EQ(message(Lines({"", "T 0 700"})),
            "range: 「eigo.dat」の 2 行目: 問題数は 0 から 600 までですが 700 でした");
  EXPECT_EQ(message(""), "convert: 「eigo.dat」の 2 行目: 種類には整数が必要ですが「」でした");
}

TEST(LoadBankTest, BinaryAndHugeLinesAreHandled) {
  std::string binary;
  for (int i = 0; i < 4096; ++i) binary += static_cast<char>((i * 37) & 0xFF);
  Bank b;
  LessonFlags sel{};
  EXPECT_THROW(LoadBankText(b, sel, binary, "bin.dat"), Error);
  // A header line of a megabyte is cut at 255 bytes and the rest skipped.
  std::string huge = "\r\nT 0 1 " + std::string(1 << 20, 'x') + "\r\nsent\r\nprompt\r\n";
  LoadBankText(b, sel, huge, "huge.dat");
  EXPECT_EQ(b.QuesCount, 1);
  // A megabyte of one text line does not shift the next question.
  std::string longText = Lines({"", "T 1 2", "1", "L", "0"}) + std::string(1 << 20, 'y') +
                         Lines({"", "p", "n", "0", "second", "p2", "n2"});
  LoadBankText(b, sel, longText, "long.dat");
  BatchSlots batch{1, 0};
  ReadBatchTextsFrom(b, batch, 2, longText, "long.dat");
  EXPECT_EQ(b.BatchSent[0], "second");
  EXPECT_EQ(b.BatchSent[1].size(), 180u);
}

TEST(LoadBankTest, FailedLoadLeavesTheBankEmpty) {
  test::TempDir dir;
  test::WriteBytes(dir / "good.dat", kLayout1);
  test::WriteBytes(dir / "bad.dat", Lines({"", "T 1 3", "zwei"}));
  Bank b;
  LessonFlags sel{};
  b.QuesFileName = dir / "good.dat";
  LoadBank(b, sel);
  EXPECT_EQ(b.QuesCount, 3);
  b.QuesFileName = dir / "bad.dat";
  EXPECT_THROW(LoadBank(b, sel), ConvertError);
  EXPECT_EQ(b.QuesCount, 0);
  EXPECT_EQ(b.LesCount, 0);
  b.QuesFileName = dir / "missing.dat";
  try {
    LoadBank(b, sel);
    FAIL();
  } catch (const IoError& e) {
    EXPECT_NE(std::string(e.what()).find("missing.dat"), std::string::npos);
  }
  b.QuesFileName = dir.path().string();  // a folder is no bank
  EXPECT_THROW(LoadBank(b, sel), IoError);
  EXPECT_EQ(b.QuesCount, 0);
}

TEST(ReadBatchTextsTest, FillsEverySlotOfAQuestion) {
  std::string bytes = Lines({"", "T 3 2", "1", "L", "2", "A", "B", "0 0", "prompt0", "a b c",
                             "x @b y", "note0", "0 1", "prompt1", "-", "@typed here", "note1"});
  Loaded l = Load(bytes);
  EXPECT_EQ(l.bank.LesLines, 5);
  BatchSlots batch{1, 0, 1};
  ReadBatchTextsFrom(l.bank, batch, 3, bytes, "t.dat");
  EXPECT_EQ(l.bank.BatchPrompt[0], "prompt1");
  EXPECT_EQ(l.bank.BatchSent[0], "@typed here");
  EXPECT_EQ(l.bank.BatchChoice[1], "a b c");
  EXPECT_EQ(l.bank.BatchNote[1], "note0");
  EXPECT_EQ(l.bank.BatchSent[2], "@typed here");
  EXPECT_THROW(ReadBatchTextsFrom(l.bank, batch, 11, bytes, "t.dat"), RangeError);
}

TEST(ReadBatchTextsTest, ABankChangedSinceItWasLoadedIsAnError) {
  Loaded l = Load(kLayout1);
  BatchSlots batch{2};
  // Another question count, and a file cut inside the batch's question.
  EXPECT_THROW(ReadBatchTextsFrom(l.bank, batch, 1, Lines({"", "T 1 1", "2", "a", "b"}), "t.dat"),
               IoError);
  std::string cut = kLayout1.substr(0, kLayout1.rfind(Sj("月曜日に")));
  try {
    ReadBatchTextsFrom(l.bank, batch, 1, cut, "t.dat");
    FAIL();
  } catch (const IoError& e) {
    EXPECT_NE(std::string(e.what()).find("問題 2 の途中でファイルが終わっています"),
              std::string::npos);
  }
  // A cut after the batch's questions does not matter.
  batch[0] = 0;
  ReadBatchTextsFrom(l.bank, batch, 1, cut, "t.dat");
  EXPECT_EQ(l.bank.BatchSent[0], "I @have @been to Kyoto");
  // The same short file, read with the stamp it was loaded with, is the
  // author's own: its missing lines read as empty.
  FileStamp stamp;
  stamp.exists = true;
  stamp.size = static_cast<std::int64_t>(cut.size());
  LoadBankText(l.bank, l.sel, cut, "t.dat", stamp);
  batch[0] = 2;
  ReadBatchTextsFrom(l.bank, batch, 1, cut, "t.dat", stamp);
  EXPECT_EQ(l.bank.BatchSent[0], "@on Monday");
  EXPECT_EQ(l.bank.BatchPrompt[0], "");
  FileStamp touched = stamp;
  touched.changedNs = 1;
  EXPECT_THROW(ReadBatchTextsFrom(l.bank, batch, 1, cut, "t.dat", touched), IoError);
  // Layout 0 has no explanations.
  std::string zero = Lines({"", "T 0 1", "s", "p"});
  Loaded z = Load(zero);
  z.bank.BatchNote[0] = "stale";
  ReadBatchTextsFrom(z.bank, BatchSlots{0}, 1, zero, "z.dat");
  EXPECT_EQ(z.bank.BatchNote[0], "");
  EXPECT_EQ(z.bank.BatchPrompt[0], "p");
}

}  // namespace
}  // namespace vcq
