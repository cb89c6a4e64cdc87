#include "data/RecordFile.h"

#include <gtest/gtest.h>

#include "data/Cp932.h"
#include "platform/Error.h"

namespace vcq {
namespace {

// The ten lines of a record of a kind-1 bank with two lessons and three questions.
const std::string kExample = "/home/hana/eigo.dat\r\n" + Sj("英語") + "\r\n" + Sj("花子") +
                             "\r\n1,3,0,5,0,1\r\n2\r\n1\r\n0\r\n0,-1\r\n3,2\r\n1,0\r\n";

RecordFile Example() {
  RecordFile r;
  r.QuesFileName = "/home/hana/eigo.dat";
  r.BankTitle = Sj("英語");
  r.PlayerName = Sj("花子");
  r.DataKind = 1;
  r.DataForm = 1;
  r.QuesCount = 3;
  r.FlashTime = 5;
  r.OneLetter = 1;
  r.LesCount = 2;
  r.LesSel = {1, 0};
  r.AnsCount = {0, 3, 1};
  r.OkLevel = {-1, 2, 0};
  return r;
}

TEST(RecordFileTest, TheExampleByteForByteAndBack) {
  EXPECT_EQ(FormatRecord(Example()), kExample);
  RecordFile back = ParseRecord(kExample, "r.ret");
  EXPECT_EQ(FormatRecord(back), kExample);
  EXPECT_EQ(back.FlashTime, 5);
  EXPECT_EQ(back.LesSel[1], 0);
  EXPECT_EQ(back.OkLevel[1], 2);
  // Every value the record stores, the untouched table ends included.
  EXPECT_TRUE(back.Values() == Example().Values());
}

TEST(RecordFileTest, ListsFollowTheLayout) {
  RecordFile r = Example();
  r.DataKind = r.DataForm = 0;
  EXPECT_EQ(FormatRecord(r), "/home/hana/eigo.dat\r\n" + Sj("英語") + "\r\n" + Sj("花子") +
                                 "\r\n0,3,0,5,0,1\r\n0,-1\r\n3,2\r\n1,0\r\n");
  r.DataKind = r.DataForm = 3;
  r.LesCount2 = 2;
  r.LesSel2 = {1, 1};
  const std::string three = FormatRecord(r);
  EXPECT_NE(three.find("\r\n2\r\n1\r\n0\r\n2\r\n1\r\n1\r\n0,-1"), std::string::npos);
  EXPECT_EQ(FormatRecord(ParseRecord(three, "r.ret")), three);
  // A lone LF ends a line too (a record edited on Linux).
  std::string lf = kExample;
  std::erase(lf, '\r');
  EXPECT_EQ(FormatRecord(ParseRecord(lf, "r.ret")), kExample);
}

// Given a broken record, the reader names the file, the line and what was expected.
TEST(RecordFileTest, BrokenRecordsSayWhereAndWhat) {
  auto message = [](const std::string& bytes) -> std::string {
    try {
      ParseRecord(bytes, "taro.ret");
    } catch (const Error& e) {
      return e.what();
    }
    return "read";
  };
  EXPECT_EQ(message("a\r\nb\r\n"), "「taro.ret」の 4 行目: 成績ファイルが途中で終わっています");
  EXPECT_EQ(message("a\r\nb\r\nc\r\n1,3,0,x,0,1\r\n"),
            "「taro.ret」の 4 行目: フラッシュ時間には整数が必要ですが「x」でした");
  EXPECT_EQ(message("a\r\nb\r\nc\r\n1,2,0,0,0,0\r\n1\r\n1\r\n0,-1\r\n"),
            "「taro.ret」の 8 行目: 問題 1 の解答回数には整数が必要ですが「」でした");
  EXPECT_EQ(message("a\r\nb\r\nc\r\n0,601,0,0,0,0\r\n"),
            "「taro.ret」の 4 行目: 問題数は 0 から 600 までですが 601 でした");
  EXPECT_EQ(message("a\r\nb\r\nc\r\n1,0,0,0,0,0\r\n21\r\n"),
            "「taro.ret」の 5 行目: 分野の数は 0 から 20 までですが 21 でした");
  // A count that is not a number names its own line, not the one before.
  EXPECT_EQ(message("a\r\nb\r\nc\r\n1,0,0,0,0,0\r\nx\r\n"),
            "「taro.ret」の 5 行目: 分野の数には整数が必要ですが「x」でした");
  EXPECT_EQ(message("a\r\nb\r\nc\r\n2,0,0,0,0,0\r\n0\r\n-1\r\n"),
            "「taro.ret」の 6 行目: 第二分類の数は 0 から 20 までですが -1 でした");
  EXPECT_NE(message("a\r\nb\r\nc\r\n1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1\r\n").find("4 行目"),
            std::string::npos);
  // A line of a megabyte is read up to its limit and the rest skipped.
  EXPECT_EQ(message("a\r\nb\r\nc\r\n0,1,0,0,0,0\r\n0,-1" + std::string(1 << 20, '9') + "\r\n"),
            "「taro.ret」の 5 行目: 問題 0 の習得段階には整数が必要ですが「-19999999999999999999"
            "9999999999999999999」でした");
}

}  // namespace
}  // namespace vcq
