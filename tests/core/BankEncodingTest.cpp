// Banks as authors on Linux write them: UTF-8, with or without a byte-order
// mark, with LF or CR LF line ends, drilled like their CP932 twins.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "data/Cp932.h"
#include "tests/support/DrillDriver.h"
#include "tests/support/TextFiles.h"

namespace vcq {
namespace {

// The answer word of question `q`: letters only, as a gap can be typed.
std::string Word(int q) {
  return "w" + std::string(1, static_cast<char>('a' + q));
}

// A layout-1 bank of 12 questions in two lessons, in UTF-8, each line ended by `eol`.
std::string Utf8Bank(const std::string& eol) {
  std::vector<std::string> lines = {"作者: 花子", "英語〜練習 1 12", "2", "動詞", "前置詞"};
  for (int q = 0; q < 12; ++q) {
    lines.push_back(std::to_string(q % 2));
    lines.push_back("これは @" + Word(q) + " です");
    lines.push_back("問 " + std::to_string(q) + " 「ー」−");
    lines.push_back("説明 " + std::to_string(q));
  }
  std::string out;
  for (const std::string& l : lines) out += l + eol;
  return out;
}

// The record written after a drill through `bank` with every answer typed
// right (as the question's number says it should be), its folder's name
// taken out.
std::string DrillAndRecord(const std::string& bank) {
  test::TempDir dir;
  test::DrillDriver d(dir.path().string());
  test::WriteBytes(dir / "b.dat", bank);
  d.NewRecord(dir / "b.dat");
  d.t.app.rec.LesSel.fill(1);
  d.StartDrill();
  for (int i = 0; i < 30 && d.Waiting(); ++i) {
    const int q = d.t.app.drill.Batch[d.t.app.drill.BatchPos];
    d.Type(Word(q));
    d.Enter();
    d.Settle();
  }
  EXPECT_TRUE(d.Ended());
  EXPECT_TRUE(d.t.dialogs.errors.empty()) << d.t.dialogs.errors[0];
  d.Esc();
  d.t.Key(vk::kF1);
  std::string rec = test::ReadBytes(dir / "rec.ret");
  const std::string folder = dir.path().string();
  for (std::size_t at; (at = rec.find(folder)) != std::string::npos;)
    rec.replace(at, folder.size(), "DIR");
  return rec;
}

// Given a UTF-8 bank with LF line ends and no byte-order mark, and one with
// the mark and CR LF, each drill should write byte for byte the record of
// the CP932 twin: every answer right, the title in CP932.
TEST(BankEncoding, Utf8BanksDrillLikeTheirCp932Twin) {
  const std::string twin = ToCp932(Utf8Bank("\r\n"));
  const std::string expected = DrillAndRecord(twin);
  ASSERT_NE(expected.find(Sj("英語〜練習")), std::string::npos);
  EXPECT_EQ(DrillAndRecord(Utf8Bank("\n")), expected);
  EXPECT_EQ(DrillAndRecord(std::string(kUtf8Bom) + Utf8Bank("\r\n")), expected);
}

// Given a layout-0 CR LF bank with a stray LF inside a prompt, every
// sentence should stay paired with its own prompt: each answer right.
TEST(BankEncoding, AStrayLfInACrLfBankShiftsNothing) {
  std::string bank = ToCp932("\r\nPairs 0 12\r\n");
  for (int q = 0; q < 12; ++q)
    bank += "It is @" + Word(q) + "\r\n" + ToCp932(q == 3 ? "問\n3" : "問") + "\r\n";
  const std::string rec = DrillAndRecord(bank);
  // Each question answered right at the first try in two batches: mastered.
  int mastered = 0;
  for (std::size_t at = 0; (at = rec.find("\r\n2,2\r", at)) != std::string::npos; ++at) ++mastered;
  EXPECT_EQ(mastered, 12) << rec;
}

}  // namespace
}  // namespace vcq
