// The bank is read again for every batch, so by the time the next batch
// begins it may be gone or different: deleted, half-written by an editor,
// replaced by a newer version or by something else entirely.
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "data/RecordFile.h"
#include "tests/support/DrillBanks.h"
#include "tests/support/DrillDriver.h"
#include "tests/support/TextFiles.h"

namespace vcq {
namespace {

namespace fs = std::filesystem;

std::vector<std::string> Sentences(int n, const std::string& word) {
  return std::vector<std::string>(static_cast<std::size_t>(n), "It is @" + word);
}

struct BankChange : ::testing::Test {
  BankChange() : d(dir.path().string()) {
    test::WriteBytes(bankPath, test::TypedBank(Sentences(15, "red")));
    d.NewRecord(bankPath);
  }

  // The first batch (questions 0 to 9) answered right throughout; the
  // announcement of the next batch is left pending.
  void FirstBatch() {
    d.StartDrill();
    for (int i = 0; i < 10; ++i) {
      ASSERT_TRUE(d.Waiting()) << i;
      d.RightQuestion();
    }
    ASSERT_EQ(d.t.app.drill.InBatch, 0);
    ASSERT_TRUE(d.t.app.frmQues.tmrStart->Enabled());
  }

  // The clock runs into the next batch. Only the program's own failures may
  // come out of an event, and those end in the error box.
  void NextBatch() { EXPECT_NO_THROW(d.Settle()); }

  // The batch could not begin: one error box naming the bank and `reason`,
  // no question asked, the drill screen still up.
  void ExpectStopped(const std::string& reason) {
    ASSERT_EQ(d.t.dialogs.errors.size(), 1u);
    const std::string& e = d.t.dialogs.errors[0];
    EXPECT_NE(e.find("「" + bankPath + "」"), std::string::npos) << e;
    EXPECT_NE(e.find(reason), std::string::npos) << e;
    EXPECT_EQ(d.t.app.drill.InBatch, 0);
    EXPECT_FALSE(d.t.app.frmQues.tmrStart->Enabled());
    EXPECT_TRUE(d.t.app.frmQues.form.Visible);
  }

  // Esc and F1: the program ends and the record written is returned.
  RecordFile Quit() {
    d.Esc();
    EXPECT_FALSE(d.t.app.frmQues.form.Visible);
    d.t.Key(vk::kF1);
    EXPECT_TRUE(d.t.app.frmMain.Closed);
    return ParseRecord(test::ReadBytes(dir / "rec.ret"), "rec.ret");
  }

  // Questions 0 to 9 right once, the rest untried: the first batch's work.
  static void ExpectFirstBatchOnly(const RecordFile& r) {
    EXPECT_EQ(r.QuesCount, 15);
    for (int q = 0; q < 15; ++q) {
      EXPECT_EQ(r.OkLevel[q], q < 10 ? 1 : -1) << q;
      EXPECT_EQ(r.AnsCount[q], q < 10 ? 1 : 0) << q;
    }
  }

  test::TempDir dir;
  const std::string bankPath = dir / "b.dat";
  test::DrillDriver d;
};

// Given a bank deleted after the first batch, the next batch should stop
// with an error naming it, and the record should keep the first batch.
TEST_F(BankChange, DeletedBankStopsTheDrillAndTheRecordKeepsTheFirstBatch) {
  ASSERT_NO_FATAL_FAILURE(FirstBatch());
  fs::remove(bankPath);
  NextBatch();
  ExpectStopped(std::strerror(ENOENT));
  // Keys on the stopped drill change nothing.
  d.Type("red");
  d.Enter();
  EXPECT_EQ(d.t.dialogs.errors.size(), 1u);
  ExpectFirstBatchOnly(Quit());
}

// Given a bank that cannot be read (a folder now stands at its name), the
// same: the reason, named.
TEST_F(BankChange, UnreadableBankStopsTheDrill) {
  ASSERT_NO_FATAL_FAILURE(FirstBatch());
  fs::remove(bankPath);
  fs::create_directory(bankPath);
  NextBatch();
  ExpectStopped("は通常のファイルではありません (フォルダです)");
  ExpectFirstBatchOnly(Quit());
}

// Given the bank back in place, the next drill should go on where the record
// stands: the five untried questions first.
TEST_F(BankChange, ARestoredBankLetsTheNextDrillGoOn) {
  ASSERT_NO_FATAL_FAILURE(FirstBatch());
  const std::string bytes = test::ReadBytes(bankPath);
  fs::remove(bankPath);
  NextBatch();
  d.Esc();
  d.StartDrill();  // still gone: the first batch cannot begin either
  EXPECT_EQ(d.t.dialogs.errors.size(), 2u);
  EXPECT_FALSE(d.Waiting());
  d.Esc();
  test::WriteBytes(bankPath, bytes);
  d.StartDrill();
  ASSERT_TRUE(d.Waiting());
  EXPECT_EQ(std::vector<int>(d.t.app.drill.Batch.begin(), d.t.app.drill.Batch.begin() + 5),
            (std::vector<int>{10, 11, 12, 13, 14}));
  d.RightQuestion();
  EXPECT_EQ(d.t.app.rec.OkLevel[10], 1);
  EXPECT_EQ(d.t.dialogs.errors.size(), 2u);
}

// Given a bank replaced by a newer version with other words but the same
// questions, the next batch should ask the new words.
TEST_F(BankChange, ANewerBankOfTheSameSizeAsksItsOwnWords) {
  ASSERT_NO_FATAL_FAILURE(FirstBatch());
  test::WriteBytes(bankPath, test::TypedBank(Sentences(15, "blue")));
  NextBatch();
  ASSERT_TRUE(d.Waiting());
  EXPECT_EQ(d.t.app.drill.Batch[0], 10);
  EXPECT_EQ(d.t.app.drill.AnsWord, "blue");
  EXPECT_TRUE(d.t.dialogs.errors.empty());
}

// Given a bank replaced by one with fewer questions, or emptied (an editor
// caught half-way through saving it), or cut inside the next batch, the next
// batch should stop with an error naming the file: texts that are no longer
// there must not be graded (an empty sentence has no gap and would count as
// right), and the record keeps the first batch only.
TEST_F(BankChange, AShorterEmptiedOrCutBankStopsTheDrill) {
  std::string cut = test::TypedBank(Sentences(15, "red"));
  cut.resize(cut.rfind("It is @red", cut.size() - 40));  // inside question 13
  for (const std::string& bytes : {test::TypedBank(Sentences(12, "blue")), std::string(), cut}) {
    test::TempDir dir2;
    test::DrillDriver d2(dir2.path().string());
    const std::string bank = dir2 / "b.dat";
    test::WriteBytes(bank, test::TypedBank(Sentences(15, "red")));
    d2.NewRecord(bank);
    d2.StartDrill();
    for (int i = 0; i < 10; ++i) d2.RightQuestion();
    test::WriteBytes(bank, bytes);
    EXPECT_NO_THROW(d2.Settle());
    ASSERT_EQ(d2.t.dialogs.errors.size(), 1u) << bytes.size();
    const std::string& e = d2.t.dialogs.errors[0];
    EXPECT_NE(e.find("「" + bank + "」"), std::string::npos) << e;
    EXPECT_NE(e.find("変わっています"), std::string::npos) << e;
    EXPECT_FALSE(d2.Waiting());
    EXPECT_FALSE(d2.Ended());
    for (int q = 10; q < 15; ++q) EXPECT_EQ(d2.t.app.rec.OkLevel[q], -1) << q;
  }
}

// Given a bank whose last question ends after its prompt (an editor dropped
// the empty explanation line at the end), the drill should ask that question
// with an empty explanation; the same bank cut again between batches, inside
// the next batch's last question, should still be refused as changed.
TEST(BankShortEnd, AnUnchangedShortBankIsAskedAndAChangedOneRefused) {
  std::string full = test::TypedBank(Sentences(15, "red"));
  const std::string shortBank = full.substr(0, full.rfind(Sj("説明 14")));
  const std::string cutAgain = shortBank.substr(0, shortBank.rfind(Sj("問 14")));
  for (const bool changed : {false, true}) {
    SCOPED_TRACE(changed ? "changed" : "unchanged");
    test::TempDir dir;
    test::DrillDriver d(dir.path().string());
    const std::string bank = dir / "b.dat";
    test::WriteBytes(bank, shortBank);
    d.NewRecord(bank);
    d.StartDrill();
    for (int i = 0; i < 10; ++i) d.RightQuestion();
    if (changed) test::WriteBytes(bank, cutAgain);
    EXPECT_NO_THROW(d.Settle());
    if (changed) {
      ASSERT_EQ(d.t.dialogs.errors.size(), 1u);
      EXPECT_NE(
          d.t.dialogs.errors[0].find("問題 14 の途中でファイルが終わっています。問題ファイルが"
                                     "開いた時から変わっています"),
          std::string::npos)
          << d.t.dialogs.errors[0];
      EXPECT_FALSE(d.Waiting());
      continue;
    }
    for (int q = 10; q < 15; ++q) {
      ASSERT_TRUE(d.Waiting()) << q;
      EXPECT_EQ(d.t.app.drill.Batch[d.t.app.drill.BatchPos], q);
      if (q == 14) {
        EXPECT_EQ(d.t.app.bank.BatchPrompt[4], Sj("問 14"));
        EXPECT_EQ(d.t.app.bank.BatchNote[4], "");
      }
      d.RightQuestion();
    }
    d.Settle();
    EXPECT_TRUE(d.t.dialogs.errors.empty()) << d.t.dialogs.errors[0];
    for (int q = 0; q < 15; ++q) EXPECT_EQ(d.t.app.rec.OkLevel[q], 1) << q;
  }
}

// Given a newer bank whose next question has a sentence of too many words,
// the error should name the file and the question; nothing is recorded for it.
TEST_F(BankChange, ATooLongSentenceInTheNewBankIsNamed) {
  ASSERT_NO_FATAL_FAILURE(FirstBatch());
  std::vector<std::string> sentences = Sentences(15, "red");
  sentences[10] = "a b c d e f g h i j k l m n o p q r @s";
  test::WriteBytes(bankPath, test::TypedBank(sentences));
  NextBatch();
  ASSERT_EQ(d.t.dialogs.errors.size(), 1u);
  EXPECT_EQ(d.t.dialogs.errors[0], "「" + bankPath + "」: 問題 10: 1 行の項目が 18 を超えています");
  EXPECT_FALSE(d.Waiting());
  ExpectFirstBatchOnly(Quit());
}

// Bytes that are no bank at all: gaps, underscores, double-byte lead bytes
// at line ends, long and many-word lines, binary.
std::string Garbage(std::mt19937& rng) {
  static const char* const kPieces[] = {"@",
                                        "@a",
                                        "@_",
                                        "_",
                                        "a",
                                        "Red",
                                        " ",
                                        "  ",
                                        "\r\n",
                                        "\n",
                                        "\r",
                                        "\x82",
                                        "\x82\xa0",
                                        "\x81@",
                                        "\xff",
                                        ",",
                                        "a b c d e f g h i j k l m n o p q r @s"};
  std::string g;
  const int n = static_cast<int>(rng() % 4000);
  for (int i = 0; i < n; ++i) {
    if (rng() % 8 == 0)
      g += static_cast<char>(rng() % 256);
    else
      g += kPieces[rng() % std::size(kPieces)];
  }
  return g;
}

// Given a bank overwritten with garbage, whatever the next batch makes of it,
// it should end in questions or in the error box, never in a crash or a
// foreign exception, and the record should still be written whole.
TEST(BankChangeGarbage, GarbageBankNeverBreaksTheDrillOrTheRecord) {
  std::mt19937 rng(7);
  for (int seed = 0; seed < 20; ++seed) {
    SCOPED_TRACE("garbage " + std::to_string(seed));
    test::TempDir dir;
    const std::string bank = dir / "b.dat";
    test::WriteBytes(bank, test::TypedBank(Sentences(15, "red")));
    test::DrillDriver d(dir.path().string());
    d.NewRecord(bank);
    d.StartDrill();
    for (int i = 0; i < 10; ++i) d.RightQuestion();
    test::WriteBytes(bank, Garbage(rng));
    EXPECT_NO_THROW({
      d.Settle();
      for (int k = 0; k < 3 && d.Waiting(); ++k) {
        d.Type("red");
        d.Enter();
        d.Settle();
      }
    });
    for (const std::string& e : d.t.dialogs.errors)
      EXPECT_NE(e.find("「" + bank + "」"), std::string::npos) << e;
    d.Esc();
    d.t.Key(vk::kF1);
    ASSERT_TRUE(d.t.app.frmMain.Closed);
    const RecordFile r = ParseRecord(test::ReadBytes(dir / "rec.ret"), "rec.ret");
    EXPECT_EQ(r.QuesCount, 15);
    for (int q = 0; q < 15; ++q) {
      EXPECT_TRUE(r.OkLevel[q] >= -1 && r.OkLevel[q] <= 2) << q;
      EXPECT_TRUE(r.AnsCount[q] >= 0 && r.AnsCount[q] <= 20) << q;
    }
  }
}

}  // namespace
}  // namespace vcq
