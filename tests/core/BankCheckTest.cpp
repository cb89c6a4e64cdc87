#include "app/BankCheck.h"

#include <gtest/gtest.h>

#include "tests/support/TextFiles.h"

namespace vcq {
namespace {

// Given a bank with one of each mistake, every one is reported at its line.
TEST(BankCheckTest, ReportsEachProblemAtItsLine) {
  std::string sentence19 = "@a";
  for (int i = 0; i < 18; ++i) sentence19 += " w";
  const std::string bank = test::Lines({"",
                                        "Checks 3 7",
                                        "2",
                                        "L0",
                                        std::string(45, 'n'),
                                        "2",
                                        "選択",
                                        "入力",
                                        "0 0",
                                        "p",
                                        "look_up look_for",
                                        "He @looks_after her",
                                        "n",  // answer not offered
                                        "5 1",
                                        "p",
                                        "-",
                                        "I @can't go",
                                        "n",  // lesson 5 of 2
                                        "1 1",
                                        "p",
                                        "-",
                                        "a @日本 b",
                                        "n",  // untypable gap
                                        "0 0",
                                        "p",
                                        "a b c d e f g h i j",
                                        "@a is",
                                        "n",  // ten choices
                                        "0 0",
                                        "p",
                                        "a b",
                                        "no gap here",
                                        "n",  // no @ word
                                        "0 1",
                                        "p",
                                        "-",
                                        sentence19,
                                        "n",  // 19 words
                                        "0 1",
                                        "p",
                                        "-",
                                        "@" + std::string(31, 'x'),
                                        "n"}) +            // 31 letters
                           "0 1\r\np\r\n-\r\n@ok\nn\r\n";  // a lone LF
  std::string out = FormatProblems("c.dat", CheckBank(bank, "c.dat"));
  EXPECT_EQ(
      out,
      "c.dat:47: 改行が LF だけの行と CR LF の行が混ざっています (LF だけでは行は終わりません)\n"
      "c.dat:5: 分野名が 40 バイトを超えています (5 バイトが切り捨てられます)\n"
      "c.dat:11: 問題 0 の答「looks after」が選択肢にありません\n"
      "c.dat:14: 問題 1 の分野番号 5 は 0 から 1 の範囲にありません\n"
      "c.dat:22: 問題 2 の空所「日本」には入力できない文字があります\n"
      "c.dat:26: 問題 3 の選択肢が 10 個あります (表示されるのは 9 個まで)\n"
      "c.dat:32: 問題 4 は選択問題ですが「@」の付いた答がありません\n"
      "c.dat:37: 問題 5 の解答文の単語が 18 を超えています\n"
      "c.dat:42: 問題 6 の空所「" +
          std::string(31, 'x') + "」は 30 文字より長く、入力しきれません\n");
}

TEST(BankCheckTest, RefusedAndUnreadableFiles) {
  EXPECT_EQ(FormatProblems("b.dat", CheckBank(test::Lines({"", "T 0 601"}), "b.dat")),
            "b.dat: 読み込めません: 「b.dat」の 2 行目: 問題数は 0 から 600 までですが 601 "
            "でした\n");
  std::string out;
  EXPECT_EQ(RunBankCheck({"/nonexistent/x.dat"}, out), 1);
  EXPECT_NE(out.find("を開けません"), std::string::npos);
}

// Given a UTF-8 bank, the checker should say how it reads it and report its
// problems at the lines of the CP932 text, each character without a CP932
// form among them; a clean UTF-8 bank passes.
TEST(BankCheckTest, UTF8BanksAreReadAndTheirUnmappableCharactersNamed) {
  test::TempDir dir;
  const std::string clean = dir / "u.dat", emoji = dir / "e.dat";
  test::WriteBytes(clean, "\n英語〜 0 2\nI @am\n私は\nYou @are\nあなたは\n");
  test::WriteBytes(emoji,
                   "\xEF\xBB\xBF\r\n英語 1 1\r\n1\r\n動詞😀\r\n0\r\n@日本 は\r\n😀 と\r\n\r\n");
  std::string out;
  EXPECT_EQ(RunBankCheck({clean}, out), 0) << out;
  EXPECT_EQ(out, clean + ": UTF-8 として読みます\n" + clean + ": 問題は見つかりませんでした\n");
  out.clear();
  EXPECT_EQ(RunBankCheck({emoji}, out), 1);
  EXPECT_EQ(out, emoji + ": UTF-8 として読みます\n" + emoji +
                     ":4: 「😀」(U+1F600) は Shift-JIS (CP932) で表せません\n" + emoji +
                     ":7: 「😀」(U+1F600) は Shift-JIS (CP932) で表せません\n" + emoji +
                     ":6: 問題 0 の空所「日本」には入力できない文字があります\n");
}

}  // namespace
}  // namespace vcq
