#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "app/BankCheck.h"
#include "app/BankExport.h"
#include "app/BankImport.h"
#include "data/BankCsv.h"
#include "data/Cp932.h"
#include "platform/VirtualKeys.h"
#include "tests/support/TestProgram.h"
#include "tests/support/TextFiles.h"

namespace vcq {
namespace {

namespace fs = std::filesystem;

std::string Sample(const char* name) {
  return test::ReadBytes(std::string(VCQ_ASSETS) + "/banks/" + name);
}

// The bank a CSV imports to; a failed import prints its problems.
std::string Imported(std::string_view csv) {
  const ImportedBank b = ImportBank(csv, "t.csv");
  std::string problems;
  for (const std::string& p : b.problems) problems += p + "\n";
  EXPECT_EQ(problems, "");
  return b.bytes;
}

std::string Replace(std::string s, std::string_view from, std::string_view to) {
  for (std::size_t at = s.find(from); at != std::string::npos; at = s.find(from, at + to.size()))
    s.replace(at, from.size(), to);
  return s;
}

// Given each sample bank (every layout), the checker should pass it, and the
// export should be a spreadsheet's CSV (a byte-order mark, CR LF only) and
// import back to the very same bytes.
TEST(BankCsvTest, SampleBanksOfEveryLayoutAreCleanAndComeBackByteForByte) {
  std::vector<std::string> files;
  for (const char* name : {"eigo0.dat", "eigo1.dat", "eigo2.dat", "eigo3.dat"}) {
    SCOPED_TRACE(name);
    const std::string bank = Sample(name);
    const std::string csv = BankToCsv(bank, name);
    EXPECT_TRUE(csv.starts_with(kUtf8Bom));
    EXPECT_EQ(Replace(csv, "\r\n", "").find_first_of("\r\n"), std::string::npos);
    EXPECT_EQ(Imported(csv), bank);
    files.push_back(std::string(VCQ_ASSETS) + "/banks/" + name);
  }
  std::string report;
  EXPECT_EQ(RunBankCheck(files, report), 0) << report;
}

// Given a bank the checker passes but not in the form the import writes, the
// round trip should change only that form: CP932 for UTF-8 (mark dropped),
// CR LF for LF, single blanks and no extra fields on the header and number
// lines, plain numbers, a line end after the last line, and nothing after the
// last question or an end mark. Every text stays as it was.
TEST(BankCsvTest, RoundTripChangesOnlyWhatIsNotCanonical) {
  const std::string canonical = Sample("eigo2.dat");
  std::string loose = Replace(canonical, "\r\n", "\n");
  loose = Replace(loose, "場面別英会話40 2 40", ToCp932("  場面別英会話40  +2 40 余分"));
  loose = Replace(loose, "\n0 2\n", "\n0  +2\n");
  loose.pop_back();  // no line end after the last line
  std::string utf8 = std::string(kUtf8Bom) + ToUtf8(canonical) + "余りの行\r\n\x1A捨てる";
  for (const std::string& variant : {loose, utf8}) {
    ASSERT_TRUE(CheckBank(variant, "v.dat").size() <= 1);  // at most the UTF-8 note
    EXPECT_EQ(Imported(BankToCsv(variant, "v.dat")), canonical);
  }
  // The checker's own clean bank, UTF-8 with LF.
  const std::string u = "\n英語〜 0 2\nI @am\n私は\nYou @are\nあなたは\n";
  EXPECT_EQ(Imported(BankToCsv(u, "u.dat")),
            test::Lines({"", "英語〜 0 2", "I @am", "私は", "You @are", "あなたは"}));
}

// Given the same bank as Japanese Excel (as CSV and as Unicode text),
// LibreOffice, an editor and a copy of cells save it, every one should import to the same bank.
TEST(BankCsvTest, EveryCsvDialectImportsToTheSameBank) {
  const std::string expected = test::Lines({"先生の問題集 (表計算で作成)",
                                            "表計算の問題 3 3",
                                            "2",
                                            "句動詞",
                                            "前置詞, 副詞",
                                            "2",
                                            "選択問題",
                                            "入力問題",
                                            "0 0",
                                            "彼は彼女の世話をする。",
                                            "look_for looks_after look_up",
                                            "He @looks_after her.",
                                            "look after で \"世話をする\"",
                                            "1 1",
                                            "机の上に 本がある。",
                                            "-",
                                            "There is a book @on the desk.",
                                            "on は「接して」",
                                            "0 1",
                                            "〜を延期する",
                                            "-",
                                            "We @put @off the meeting.",
                                            ""});
  for (const char* name : {"excel-cp932.csv", "utf8-bom.csv", "utf8.csv", "cells.tsv",
                           "cp932-lf.csv", "line-breaks.csv", "excel-unicode.txt", "utf16be.txt"}) {
    SCOPED_TRACE(name);
    EXPECT_EQ(Imported(test::ReadBytes(std::string(VCQ_TEST_DATA) + "/csv/" + name)), expected);
  }
}

// Given a bank the checker passes that uses both codes of characters CP932
// has twice, export and import through files should give back every code.
TEST(BankCsvTest, TwinCodesOfCp932ComeBackAsTheyWere) {
  test::TempDir dir;
  // ∵ 0x879A and 0x81E6, 黑 0xEEEC and 0xFB5C, ￢ 0xFA54, 0xEEF9 and 0x81CA, Ⅰ 0xFA4A.
  const std::string twins = "\x87\x9A\x81\xE6\xEE\xEC\xFB\x5C\xFA\x54\xEE\xF9\x81\xCA\xFA\x4A";
  const std::string bank = "\r\n" + Sj("双子") + " 0 1\r\nI @am " + twins + "\r\n" + twins + "\r\n";
  ASSERT_EQ(CheckBank(bank, "b.dat").size(), 0u);
  test::WriteBytes(dir / "b.dat", bank);
  std::string out, err;
  ASSERT_EQ(RunBankExport(dir / "b.dat", dir / "b.csv", out, err), 0) << err;
  ASSERT_EQ(RunBankImport(dir / "b.csv", dir / "back.dat", false, out, err), 0) << err;
  EXPECT_EQ(test::ReadBytes(dir / "back.dat"), bank);
}

// A small layout-1 CSV with one question; `edit` changes its text.
std::string Layout1(std::string_view question = "0,p,I @go,n", std::string_view kind = "1") {
  return "題名,T\r\n種類," + std::string(kind) +
         "\r\n分野名,0,L0\r\n分野名,1,L1\r\n分野,問題文,解答文,解説\r\n" + std::string(question) +
         "\r\n";
}

std::string FirstProblem(std::string_view csv) {
  const ImportedBank b = ImportBank(csv, "x.csv");
  EXPECT_TRUE(b.bytes.empty());
  return b.problems.empty() ? "(none)" : b.problems.front();
}

// Given a UTF-16 sheet cut in the middle of a character or holding half a
// surrogate pair, the import should say so at its row and write nothing.
TEST(BankCsvTest, BrokenUtf16IsOneLineAtItsRow) {
  const std::string data = std::string(VCQ_TEST_DATA) + "/csv/";
  EXPECT_EQ(FirstProblem(test::ReadBytes(data + "utf16be.txt") + "a"),
            "x.csv:12: UTF-16 のファイルが文字の途中 (奇数のバイト数) で終わっています");
  std::string half = test::ReadBytes(data + "excel-unicode.txt");
  half.insert(half.find(std::string("\r\0\n\0", 4)) + 4,
              "\x00\xD8"
              "a\0",
              4);
  EXPECT_EQ(FirstProblem(half),
            "x.csv:2: UTF-16 の文字の前半 (上位サロゲート) の後に後半がありません");
}

// Given each kind of bad input, the import should name it in one line at its
// row and column, in the checker's words where the checker finds it, and
// make no bank.
TEST(BankCsvTest, BadInputIsOneClearLineAtItsCell) {
  const std::string longText(181, 'a');
  const std::string layout3 =
      "題名,T\r\n種類,3\r\n分野名,0,L\r\n第二分類名,0,選択\r\n"
      "分野,解答方法,問題文,解答文,選択肢,解説\r\n0,0,p,@a,a b c d e f g h i j,n\r\n";
  const std::string layout2 =
      "題名,T\r\n種類,2\r\n分野名,0,L\r\n第二分類名,0,初級\r\n"
      "分野,第二分類,問題文,解答文,解説\r\n0,1,p,@a,n\r\n";
  const struct {
    std::string csv, problem;
  } cases[] = {
      {Layout1("0,p,I @go,n,extra"), "x.csv:6:5: 列が多すぎます (形式 1 は 4 列です)"},
      {Layout1("0,p,I @go"), "x.csv:6:4: 列が足りません (形式 1 は 4 列ですが 3 列しかありません)"},
      {Layout1("0,p,I @go,n", "7"),
       "x.csv:2:2: 種類 7 の形式 (下 1 桁) は 0 から 3 ではありません"},
      {Layout1("一,p,I @go,n"), "x.csv:6:1: 分野には整数が必要ですが「一」でした"},
      // found by fuzz_import: a line break in a cell shown in a message
      {Layout1("\"1\n2\",p,I @go,n"), "x.csv:6:1: 分野には整数が必要ですが「1 2」でした"},
      {Layout1("5,p,I @go,n"), "x.csv:6:1: 問題 0 の分野番号 5 は 0 から 1 の範囲にありません"},
      {layout2, "x.csv:6:2: 問題 0 の第二分類番号 1 は 0 から 0 の範囲にありません"},
      {Layout1("0,p,I go,n"), "x.csv:6:3: 問題 0 の解答文に「@」の付いた空所がありません"},
      {layout3, "x.csv:6:5: 問題 0 の選択肢が 10 個あります (表示されるのは 9 個まで)"},
      {Layout1("0," + longText + ",I @go,n"),
       "x.csv:6:2: 問題文が 180 バイトを超えています (1 バイトが切り捨てられます)"},
      {Replace(Layout1(), "題名,T", "題名," + std::string(121, 'T')),
       "x.csv:1:2: 題名が 120 バイトを超えています (1 バイトが切り捨てられます)"},
      {Layout1("0,p,I @go 😀,n"), "x.csv:6:3: 「😀」(U+1F600) は Shift-JIS (CP932) で表せません"},
      {Layout1("0,\"p,I @go,n"), "x.csv:6:2: 「\"」で始まった欄が閉じていません"},
      {Replace(Layout1(), "題名,T", "題名,T U"),
       "x.csv:1:2: 題名に半角の空白は使えません (見出し行では空白が区切りです)"},
      {Replace(Layout1(), "解答文", "答"),
       "x.csv:5:3: 列名が違います: 形式 1 の列は「分野,問題文,解答文,解説」です"},
      {Replace(Layout1(), "分野名,1,L1", "分野名,1,L1\r\n分野名,3,L3"),
       "x.csv:5:2: 分野名の番号は 0 から順に付けます: ここは 2 のはずですが 3 でした"},
      {std::string("PK\x03\x04\0\0\x08\0", 8) + "word/document.xml",
       "x.csv: テキストのファイルではありません (0 のバイトがあります)"},
      {"\xEF\xBB\xBF\r\n", "x.csv: 空のファイルです"},
  };
  for (const auto& c : cases) EXPECT_EQ(FirstProblem(c.csv), c.problem) << c.csv;
  // More lessons than the table holds: one line, not the loader's refusal too.
  std::string lessons21 = "題名,T\r\n種類,1\r\n";
  for (int i = 0; i < 21; ++i) lessons21 += "分野名," + std::to_string(i) + ",L\r\n";
  EXPECT_EQ(ImportBank(lessons21 + "分野,問題文,解答文,解説\r\n0,p,I @go,n\r\n", "x.csv").problems,
            std::vector<std::string>{"x.csv:23:1: 分野名は 20 個までです"});
  // Every problem of a file, not only the first: the rows' own, then the
  // checker's, with the question numbers of the rows.
  const ImportedBank many =
      ImportBank(Layout1("0,p,I go,n\r\n3,p,I @go,n,x\r\n5,p,I @go,n"), "x.csv");
  EXPECT_EQ(many.problems, (std::vector<std::string>{
                               "x.csv:7:5: 列が多すぎます (形式 1 は 4 列です)",
                               "x.csv:6:3: 問題 0 の解答文に「@」の付いた空所がありません",
                               "x.csv:7:1: 問題 1 の分野番号 3 は 0 から 1 の範囲にありません",
                               "x.csv:8:1: 問題 2 の分野番号 5 は 0 から 1 の範囲にありません"}));
}

// Given a bad CSV, a huge file or an existing bank, the command should write
// nothing; with --force a good CSV replaces the bank whole.
TEST(BankCsvTest, TheImportCommandWritesAWholeBankOrNothing) {
  test::TempDir dir;
  const std::string out = dir / "out.dat", good = dir / "good.csv", bad = dir / "bad.csv",
                    huge = dir / "huge.csv";
  test::WriteBytes(good, Layout1());
  test::WriteBytes(bad, Layout1("9,p,I @go,n"));
  {
    std::ofstream(huge).put(' ');
    fs::resize_file(huge, 100u << 20);
  }
  std::string report, err;
  EXPECT_EQ(RunBankImport(bad, out, false, report, err), 1);
  EXPECT_EQ(RunBankImport(huge, out, false, report, err), 1);
  EXPECT_NE(err.find("大きすぎます"), std::string::npos) << err;
  EXPECT_FALSE(fs::exists(out));
  EXPECT_EQ(RunBankImport(good, out, false, report, err), 0) << err;
  const std::string written = test::ReadBytes(out);
  EXPECT_EQ(written, test::Lines({"T", "T 1 1", "2", "L0", "L1", "0", "I @go", "p", "n"}));
  err.clear();
  test::WriteBytes(good, Layout1("1,p2,I @went,n2"));
  EXPECT_EQ(RunBankImport(good, out, false, report, err), 1);
  EXPECT_NE(err.find("--force"), std::string::npos) << err;
  EXPECT_EQ(RunBankImport(bad, out, true, report, err), 1);
  EXPECT_EQ(test::ReadBytes(out), written);
  EXPECT_EQ(RunBankImport(good, out, true, report, err), 0) << err;
  EXPECT_NE(test::ReadBytes(out).find("I @went"), std::string::npos);
  // And the export of what was written, to a file.
  EXPECT_EQ(RunBankExport(out, dir / "back.csv", err, err), 0) << err;
  EXPECT_EQ(Imported(test::ReadBytes(dir / "back.csv")), test::ReadBytes(out));
  EXPECT_EQ(RunBankExport(out, out, err, err), 1);
}

struct CsvPick : ::testing::Test {
  CsvPick() : t(dir.path().string()) { t.StartUp(); }
  void NewRecord(const std::string& file, const std::string& record = "rec") {
    t.dialogs.files.push_back(dir / file);
    for (const std::string& answer : {std::string("p"), record})
      t.dialogs.inputs.push_back([this, answer] {
        t.app.frmInput.MaskEdit1Change(answer);
        t.app.frmInput.FormKeyDown(vk::kReturn);
      });
    t.Key(vk::kF3);
  }
  test::TempDir dir;
  test::TestProgram t;
};

// Given a CSV picked in F3's bank dialog, a bank of the same name is made
// beside it and the new record names it; an existing one is replaced only
// when the learner agrees, and a bad CSV shows the checker's words.
TEST_F(CsvPick, ACsvPickedForANewRecordBecomesItsBank) {
  test::WriteBytes(dir / "Words.CSV", Layout1());
  NewRecord("Words.CSV");
  ASSERT_EQ(t.dialogs.errors, std::vector<std::string>{});
  EXPECT_EQ(t.app.bank.QuesFileName, dir / "Words.dat");
  EXPECT_EQ(t.app.rec.RecOpen, 1);
  EXPECT_EQ(test::ReadBytes(dir / "Words.dat"), Imported(Layout1()));

  test::WriteBytes(dir / "Words.CSV", Layout1("1,p,I @went,n"));
  t.dialogs.yesNo.push_back(false);
  t.dialogs.files.push_back(dir / "Words.CSV");
  // Declined, as if the dialog was cancelled: the bank chosen last is offered.
  t.dialogs.inputs.push_back([this] { t.app.frmInput.FormKeyDown(vk::kEscape); });
  t.Key(vk::kF3);
  // The open record's own bank is named as such.
  EXPECT_EQ(
      t.dialogs.questions.back(),
      "「Words.dat」は開いている成績「rec.ret」の問題ファイルです。新しい問題で上書きしますか");
  EXPECT_EQ(test::ReadBytes(dir / "Words.dat"), Imported(Layout1()));

  test::WriteBytes(dir / "bad.csv", Layout1("0,p,I go,n"));
  t.dialogs.files.push_back(dir / "bad.csv");
  t.Key(vk::kF3);
  ASSERT_EQ(t.dialogs.errors.size(), 1u);
  EXPECT_EQ(t.dialogs.errors[0],
            "「bad.csv」は問題ファイルにできません:\n"
            "bad.csv:6:3: 問題 0 の解答文に「@」の付いた空所がありません");
  EXPECT_FALSE(fs::exists(dir / "bad.dat"));
}

// Given a sheet saved as `.txt` (Excel's Unicode text) or `.tsv` picked in
// F3's bank dialog, it should be imported; a bank in a `.txt` stays a bank.
TEST_F(CsvPick, ASheetIsKnownByItsRowsWhateverItsExtension) {
  const std::string data = std::string(VCQ_TEST_DATA) + "/csv/";
  test::WriteBytes(dir / "words.txt", test::ReadBytes(data + "excel-unicode.txt"));
  test::WriteBytes(dir / "cells.tsv", test::ReadBytes(data + "cells.tsv"));
  test::WriteBytes(dir / "plain.txt",
                   test::ReadBytes(std::string(VCQ_ASSETS) + "/banks/eigo1.dat"));
  for (const char* name : {"words", "cells"}) {
    NewRecord(std::string(name) + (name[0] == 'w' ? ".txt" : ".tsv"), name);
    ASSERT_EQ(t.dialogs.errors, std::vector<std::string>{});
    EXPECT_EQ(t.app.bank.QuesFileName, dir / (std::string(name) + ".dat"));
    EXPECT_EQ(test::ReadBytes(dir / (std::string(name) + ".dat")),
              Imported(test::ReadBytes(data + "cells.tsv")));
  }
  NewRecord("plain.txt", "plain");
  EXPECT_EQ(t.app.bank.QuesFileName, dir / "plain.txt");
  EXPECT_FALSE(fs::exists(dir / "plain.dat"));
}

}  // namespace
}  // namespace vcq
