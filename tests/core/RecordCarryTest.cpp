// A teacher edits a class's bank in a spreadsheet (sorts it, inserts and
// deletes rows) and imports it over the bank: each learner's progress must
// follow its question, and a record must never be saved onto other questions.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "app/BankImport.h"
#include "data/Cp932.h"
#include "data/RecordFile.h"
#include "data/RecordHold.h"
#include "platform/VirtualKeys.h"
#include "tests/support/TestProgram.h"
#include "tests/support/TextFiles.h"

namespace vcq {
namespace {

namespace fs = std::filesystem;

std::string Put(const std::string& path, const std::string& bytes) {
  test::WriteBytes(path, bytes);
  return path;
}

// A sheet of layout 1 whose question rows are "lesson,prompt,sentence,note".
std::string Sheet(const std::vector<std::string>& rows) {
  std::string csv = "題名,T\r\n種類,1\r\n分野名,0,L0\r\n分野,問題文,解答文,解説\r\n";
  for (const std::string& r : rows) csv += r + "\r\n";
  return csv;
}
std::string Row(int i) {  // gap words are typed: letters only
  const std::string tag(1, static_cast<char>('a' + i));
  return "0,p" + tag + ",I @w" + tag + ",n";
}

// A record on `bankLine` (CP932) with progress "i,level" for question i.
std::string Record(const std::string& bankLine, const std::vector<int>& levels) {
  std::string r =
      bankLine + "\r\nT\r\nplayer\r\n1," + std::to_string(levels.size()) + ",0,0,0,0\r\n1\r\n1\r\n";
  for (std::size_t i = 0; i < levels.size(); ++i)
    r += std::to_string(i) + "," + std::to_string(levels[i]) + "\r\n";
  return r;
}

struct Carry : ::testing::Test {
  RecordFile Read(const std::string& name) {
    return ParseRecord(test::ReadBytes(dir / name), name);
  }
  test::TempDir dir;
  const std::string bank = dir / "words.dat";
};

// Given a sheet sorted backwards, with one question reworded, one deleted and
// one added, and two questions that were twins, each record beside the bank
// and in the folder given should find every question's progress at its new
// place; a record from Windows keeps its first line, one open in another
// program and one of another bank are left alone.
TEST_F(Carry, ASortedSheetCarriesEachQuestionsProgress) {
  std::string report, err;
  ASSERT_EQ(
      RunBankImport(Put(dir / "old.csv", Sheet({Row(0), Row(1), Row(2), Row(3), Row(3), Row(5)})),
                    bank, false, report, err),
      0)
      << err;
  // Old questions 0..5 (3 and 4 twins) at levels that tell them apart.
  test::WriteBytes(dir / "a.ret", Record(ToCp932(bank), {-1, 0, 1, 2, 0, 1}));
  fs::create_directory(dir / "class");
  test::WriteBytes(dir / "win.ret", Record("C:\\VCQ\\WORDS.DAT", {2, 2, 0, 0, 1, 1}));
  test::WriteBytes(dir / "class/b.ret", Record(ToCp932(bank), {0, 0, 0, 0, 0, 2}));
  test::WriteBytes(dir / "held.ret", Record(ToCp932(bank), {2, 2, 2, 2, 2, 2}));
  test::WriteBytes(dir / "other.ret", Record(ToCp932(dir / "other.dat"), {1}));
  const std::string heldBytes = test::ReadBytes(dir / "held.ret");
  const RecordHold elsewhere = RecordHold::Take(dir / "held.ret");

  // New order: 5, 3, 3 (twins), 2 reworded, 6 new, 0; question 1 deleted.
  Put(dir / "new.csv", Sheet({Row(5), Row(3), Row(3), "0,pc,I @wc again,n", Row(6), Row(0)}));
  report.clear();
  EXPECT_EQ(
      RunBankImport(dir / "new.csv", bank, true, report, err, CarryRequest{true, {dir / "class"}}),
      1)
      << err;  // one record could not be carried
  EXPECT_NE(report.find("書き直された問題 1・新しい問題 1・なくなった問題 1"), std::string::npos)
      << report;
  EXPECT_NE(report.find("同じ文の問題が 2 問"), std::string::npos) << report;
  EXPECT_NE(report.find("「" + (dir / "held.ret") + "」: 移せません"), std::string::npos) << report;

  const RecordFile a = Read("a.ret");
  EXPECT_EQ(a.QuesCount, 6);
  EXPECT_EQ(std::vector<int>(a.OkLevel.begin(), a.OkLevel.begin() + 6),
            (std::vector<int>{1, 2, 0, 1, -1, -1}));
  EXPECT_EQ(std::vector<int>(a.AnsCount.begin(), a.AnsCount.begin() + 6),
            (std::vector<int>{5, 3, 4, 2, 0, 0}));
  EXPECT_EQ(Read("class/b.ret").OkLevel[0], 2);
  const RecordFile win = Read("win.ret");
  EXPECT_EQ(win.QuesFileLine, "C:\\VCQ\\WORDS.DAT");
  EXPECT_EQ(std::vector<int>(win.OkLevel.begin(), win.OkLevel.begin() + 6),
            (std::vector<int>{1, 0, 1, 0, -1, 2}));
  EXPECT_EQ(test::ReadBytes(dir / "held.ret"), heldBytes);
  EXPECT_EQ(Read("other.ret").QuesCount, 1);
}

// The learner's case: a record open on words.dat, F3 on a teacher's
// words.csv of fewer questions, Yes to replacing the bank, No to carrying,
// Esc at the player's name, then F1. The record must keep every line it had.
TEST_F(Carry, ABankReplacedUnderTheOpenRecordLeavesItsProgressWhole) {
  std::vector<std::string> rows;
  for (int i = 0; i < 14; ++i) rows.push_back(Row(i));
  Put(dir / "words.csv", Sheet(rows));
  std::string saved;
  {  // this program ends, and lets go of the record
    test::TestProgram t(dir.path().string());
    t.StartUp();
    t.NewRecord(dir / "words.csv", "p", "acc");
    ASSERT_EQ(t.app.bank.QuesCount, 14);
    for (int i = 0; i < 14; ++i) t.app.rec.OkLevel[static_cast<std::size_t>(i)] = i % 3;
    t.Key(vk::kF2);  // saves; the dialog is cancelled
    saved = test::ReadBytes(dir / "acc.ret");

    rows.resize(9);
    Put(dir / "words.csv", Sheet(rows));
    t.dialogs.files.push_back(dir / "words.csv");
    t.dialogs.yesNo = {true, false};  // replace the bank; do not carry
    t.dialogs.inputs.push_back([&] { t.app.frmInput.FormKeyDown(vk::kEscape); });
    t.Key(vk::kF3);
    ASSERT_GE(t.dialogs.questions.size(), 2u);
    EXPECT_NE(t.dialogs.questions[0].find("開いている成績「acc.ret」の問題ファイル"),
              std::string::npos);
    EXPECT_NE(t.dialogs.questions[1].find("なくなった問題 5"), std::string::npos);
    ASSERT_EQ(t.dialogs.errors.size(), 1u);
    EXPECT_NE(t.dialogs.errors[0].find("14 問から 9 問へ"), std::string::npos)
        << t.dialogs.errors[0];
    t.Key(vk::kF1);
    EXPECT_EQ(test::ReadBytes(dir / "acc.ret"), saved);
  }

  // Opened again, the learner is asked before the record is fitted to the
  // bank, and a No writes nothing.
  test::TestProgram again(dir.path().string());
  again.StartUp();
  again.dialogs.files.push_back(dir / "acc.ret");
  again.Key(vk::kF2);
  ASSERT_EQ(again.dialogs.questions.size(), 1u);
  EXPECT_NE(again.dialogs.questions[0].find("問題 10 から 14 の進み具合"), std::string::npos)
      << again.dialogs.questions[0];
  EXPECT_EQ(again.app.rec.RecOpen, 0);
  again.Key(vk::kF1);
  EXPECT_EQ(test::ReadBytes(dir / "acc.ret"), saved);
}

// With Yes to carrying, the open record moves in memory and is saved at once.
TEST_F(Carry, TheOpenRecordIsCarriedInMemory) {
  Put(dir / "words.csv", Sheet({Row(0), Row(1), Row(2)}));
  test::TestProgram t(dir.path().string());
  t.StartUp();
  t.NewRecord(dir / "words.csv", "p", "acc");
  t.app.rec.OkLevel = {};
  t.app.rec.OkLevel[0] = 2;
  t.app.rec.OkLevel[1] = 0;
  t.app.rec.OkLevel[2] = 1;
  t.dialogs.files.push_back(dir / "words.csv");
  Put(dir / "words.csv", Sheet({Row(2), Row(0), Row(1)}));
  t.dialogs.yesNo = {true, true};
  t.dialogs.inputs.push_back([&] { t.app.frmInput.FormKeyDown(vk::kEscape); });
  t.Key(vk::kF3);
  EXPECT_TRUE(t.dialogs.errors.empty()) << t.dialogs.errors[0];
  EXPECT_EQ(t.app.rec.OkLevel[0], 1);
  EXPECT_EQ(t.app.rec.OkLevel[1], 2);
  EXPECT_EQ(t.app.rec.OkLevel[2], 0);
  EXPECT_EQ(Read("acc.ret").OkLevel[1], 2);
}

}  // namespace
}  // namespace vcq
