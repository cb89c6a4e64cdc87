#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "app/ClassCommand.h"
#include "data/Cp932.h"
#include "data/RecordHold.h"
#include "platform/Error.h"
#include "screens/ClassCsv.h"
#include "screens/ClassTable.h"
#include "screens/ClassWindow.h"
#include "tests/support/TextFiles.h"

namespace vcq {
namespace {

using test::Lines;
using test::TempDir;
using test::WriteBytes;

// Five questions: three in "Lesson A", two in "Lesson B".
std::string LessonBank() {
  return Lines({"bank",
                "Eigo 1 5",
                "2",
                "Lesson A",
                "Lesson B",  //
                "0",
                "I @am here",
                "私はここにいます",
                "",
                "0",
                "You @are",
                "あなたは",
                "",
                "0",
                "It is",
                "それは",
                "",
                "1",
                "@We @go",
                "私たちは行く",
                "",
                "1",
                "He @runs",
                "彼は走る",
                ""});
}

// A record of LessonBank: one "answers,level" per question.
std::string LessonRecord(const std::string& bank, std::string_view player,
                         std::initializer_list<std::string_view> progress) {
  std::string out = Lines({bank, "Eigo", player, "1,5,0,0,0,0", "2", "1", "1"});
  for (std::string_view p : progress) out += Lines({p});
  return out;
}

struct ClassFolder : ::testing::Test {
  ClassFolder() {
    WriteBytes(dir / "eigo.dat", LessonBank());
    const std::string bank = dir / "eigo.dat";
    WriteBytes(dir / "a.ret", LessonRecord(bank, "alice", {"2,2", "2,2", "3,2", "1,0", "0,-1"}));
    WriteBytes(dir / "b.ret", LessonRecord(bank, "bob", {"1,0", "1,1", "2,2", "2,2", "1,0"}));
    // Windows's upper case, and a learner of the same name.
    WriteBytes(dir / "c.RET", LessonRecord(bank, "bob", {"1,0", "1,0", "0,-1", "0,-1", "0,-1"}));
  }
  TempDir dir;
};

const ClassRow& RowOf(const ClassSection& s, std::string_view file) {
  for (const ClassRow& r : s.rows)
    if (r.fileName == file) return r;
  throw std::runtime_error("no row " + std::string(file));
}

// Worked by hand. alice: lesson A 3/3 = 100 (mastered), B 0/2 = 0; whole
// 3/5 = 60, evaluation 6 points x 100 div 8 answers = 75. bob: A 1/3 = 33,
// B 1/2 = 50; 2/5 = 40, 5 x 100 div 7 = 71. the other bob: 0, 0; 0, 0 div 2 = 0.
// The class: A (100+33+0)/3 = 44 with one master, B 16.7 = 17 with none;
// whole 33.3 = 33, evaluation 48.7 = 49. Last answers wrong: question 0 by two
// learners, questions 1, 3 and 4 by one each, of which 4 has no master.
TEST_F(ClassFolder, TalliesEveryLearnerAsTheScoreTableAndTheClassAsAWhole) {
  const ClassTable t = ReadClass({dir.path().string()});
  ASSERT_EQ(t.records, 3);
  ASSERT_EQ(t.sections.size(), 1u);
  const ClassSection& s = t.sections[0];
  EXPECT_EQ(s.title, "Eigo");
  EXPECT_EQ(s.lessons, 2);
  const ClassRow& a = RowOf(s, "a.ret");
  EXPECT_EQ(a.problem, "");
  EXPECT_EQ(a.player, "alice");
  EXPECT_EQ(a.lessonRate[0], 100);
  EXPECT_TRUE(a.lessonMastered[0]);
  EXPECT_EQ(a.lessonRate[1], 0);
  EXPECT_EQ((std::array{a.whole.ques, a.whole.ok}), (std::array{5, 3}));
  EXPECT_EQ(a.whole.Rate(), 60);
  EXPECT_EQ(a.whole.Evaluation(), 75);
  const ClassRow& b = RowOf(s, "b.ret");
  EXPECT_EQ((std::array{b.lessonRate[0], b.lessonRate[1]}), (std::array<std::int64_t, 2>{33, 50}));
  EXPECT_EQ(b.whole.Evaluation(), 71);
  const ClassRow& c = RowOf(s, "c.RET");
  EXPECT_EQ(c.player, "bob");
  EXPECT_EQ(c.whole.Rate(), 0);
  EXPECT_EQ(c.whole.Evaluation(), 0);
  EXPECT_FALSE(c.inUse);

  const ClassFigures& f = s.figures;
  EXPECT_EQ(f.learners, 3);
  EXPECT_EQ((std::array{f.meanRate[0], f.meanRate[1]}), (std::array<std::int64_t, 2>{44, 17}));
  EXPECT_EQ((std::array{f.masteredBy[0], f.masteredBy[1]}), (std::array{1, 0}));
  EXPECT_EQ(f.meanWholeRate, 33);
  EXPECT_EQ(f.meanEvaluation, 49);

  ASSERT_EQ(s.hard.size(), 4u);
  EXPECT_EQ((std::array{s.hard[0].ques, s.hard[1].ques, s.hard[2].ques, s.hard[3].ques}),
            (std::array{0, 4, 1, 3}));
  // never, wrong, once, mastered
  EXPECT_EQ(s.hard[0].atLevel, (std::array{0, 2, 0, 1}));
  EXPECT_EQ(s.hard[0].prompt, Sj("私はここにいます"));
  EXPECT_EQ(s.hard[0].sentence, "I (    ) here");
  EXPECT_EQ(s.hard[0].lesson, 0);

  // Sorting by the whole rate, falling, then by name: ties keep their order.
  ClassSection sorted = s;
  SortRows(sorted, 2 + 2 + 2, true);
  EXPECT_EQ((std::array{sorted.rows[0].fileName, sorted.rows[1].fileName}),
            (std::array<std::string, 2>{"a.ret", "b.ret"}));
  SortRows(sorted, 1, false);
  EXPECT_EQ(sorted.rows[0].player, "alice");
  EXPECT_EQ(sorted.rows[1].fileName, "b.ret");
}

// A second click on a header sorts falling; reading the folder again keeps
// the bank's sort over rows that changed meanwhile.
TEST_F(ClassFolder, TheWindowKeepsEachBanksSortWhenReadAgain) {
  const std::vector<std::string> places{dir.path().string()};
  ClassWindow w(places, ReadClass(places));
  const int rate = 2 + 2 + 2;  // 習得率, after the two lessons
  ASSERT_TRUE(w.SortBy(0, rate));
  ASSERT_TRUE(w.SortBy(0, rate));
  EXPECT_TRUE(w.SortOf(0).descending);
  // The other bob masters everything: 100 goes above alice's 60 and bob's 40.
  WriteBytes(dir / "c.RET",
             LessonRecord(dir / "eigo.dat", "bob", {"2,2", "2,2", "2,2", "2,2", "2,2"}));
  w.Reread();
  const auto files = [&] {
    std::vector<std::string> out;
    for (const ClassRow& r : w.Table().sections.at(0).rows) out.push_back(r.fileName);
    return out;
  };
  EXPECT_EQ(files(), (std::vector<std::string>{"c.RET", "a.ret", "b.ret"}));
  EXPECT_EQ(w.SortOf(0).column, rate);
  // No column past the last; the keys with no current cell sort by the first.
  EXPECT_FALSE(w.SortBy(0, ColumnCount(w.Table().sections[0])));
  EXPECT_FALSE(w.SortBy(1, 0));
  EXPECT_EQ(w.SortByKey(0, -1, false), 0);
  EXPECT_EQ(files().front(), "a.ret");
}

// Whatever is wrong with a record, it gets its own row saying why in one
// line, a missing bank keeps the record's own totals, and the other
// records are read as ever; records of another bank get their own section.
TEST_F(ClassFolder, EveryBadRecordIsARowOfItsOwnAndTheRestIsRead) {
  WriteBytes(dir / "broken.ret", LessonRecord(dir / "eigo.dat", "cut", {"1,2"}));
  WriteBytes(dir / "lost.ret",
             Lines({"/nowhere/gone.dat", "Gone", "dan", "0,2,0,0,0,0", "3,2", "0,-1"}));
  ASSERT_EQ(::mkfifo((dir / "pipe.ret").c_str(), 0600), 0);
  // A bank that shrank since: told as the main window tells it.
  WriteBytes(dir / "small.dat", Lines({"bank", "Small 0 1", "We @go", "行く"}));
  WriteBytes(dir / "e.ret",
             Lines({dir / "small.dat", "Small", "eve", "0,2,0,0,0,0", "1,2", "1,2"}));
  WriteBytes(dir / "notes.txt", "not a record");

  // A record named beside its folder is read once.
  const ClassTable t = ReadClass({dir.path().string(), dir / "missing", dir / "a.ret"});
  EXPECT_EQ(t.records, 8);
  ASSERT_EQ(t.sections.size(), 3u);
  EXPECT_EQ(t.sections[0].title, "Eigo");
  EXPECT_EQ(t.sections[0].rows.size(), 3u);
  const ClassSection& small = t.sections[1];
  EXPECT_EQ(small.title, "Small");
  ASSERT_EQ(small.rows.size(), 1u);
  EXPECT_NE(small.rows[0].problem.find("種類 0・2 問だったときのものですが、今は 種類 0・1 問です"),
            std::string::npos)
      << small.rows[0].problem;

  const ClassSection& unknown = t.sections[2];
  EXPECT_TRUE(unknown.bankPath.empty());
  ASSERT_EQ(unknown.rows.size(), 4u);
  for (const ClassRow& r : unknown.rows) {
    EXPECT_FALSE(r.problem.empty()) << r.fileName;
    EXPECT_EQ(r.problem.find('\n'), std::string::npos) << r.problem;
    EXPECT_FALSE(r.hasLessons);
  }
  const ClassRow& lost = RowOf(unknown, "lost.ret");
  EXPECT_NE(lost.problem.find("gone.dat"), std::string::npos) << lost.problem;
  ASSERT_TRUE(lost.hasTotals);
  EXPECT_EQ((std::array{lost.whole.ques, lost.whole.ok}), (std::array{2, 1}));
  EXPECT_EQ(lost.whole.Evaluation(), 66);
  EXPECT_NE(RowOf(unknown, "pipe.ret").problem.find("通常のファイルではありません"),
            std::string::npos);
  EXPECT_FALSE(RowOf(unknown, "broken.ret").hasTotals);
  EXPECT_NE(RowOf(unknown, (dir.path() / "missing").string()).problem.find("missing"),
            std::string::npos);
}

// A learner's record open in a running VCQuick is read as it is and marked;
// the class view neither takes its hold nor breaks it.
TEST_F(ClassFolder, ARecordInUseIsMarkedAndItsHoldStaysWhole) {
  const RecordHold learner = RecordHold::Take(dir / "a.ret");
  const ClassTable t = ReadClass({dir.path().string()});
  EXPECT_TRUE(RowOf(t.sections[0], "a.ret").inUse);
  EXPECT_FALSE(RowOf(t.sections[0], "b.ret").inUse);
  EXPECT_THROW(RecordHold::Take(dir / "a.ret"), IoError);
  EXPECT_NO_THROW(RecordHold::Take(dir / "b.ret"));
}

// The CSV: the columns in their order, one row per learner, the class's
// rows, then the questions; UTF-8 with its mark or CP932, CR LF.
TEST_F(ClassFolder, CsvHasTheColumnsInOrderAndNeverReplacesARecord) {
  const std::string out = dir / "class.csv";
  std::string err;
  ASSERT_EQ(RunClassCsv({dir.path().string()}, out, false, err), 0) << err;
  const std::string csv = test::ReadBytes(out);
  const std::string head =
      std::string(kUtf8Bom) +
      "成績ファイル,名前,問題ファイル,Lesson A,Lesson B,題数,習得数,習得率,評価,備考\r\n"
      "a.ret,alice,Eigo,100,0,5,3,60,75,\r\n"
      "b.ret,bob,Eigo,33,50,5,2,40,71,\r\n"
      "c.RET,bob,Eigo,0,0,5,0,0,0,\r\n"
      "クラス平均,3 人,Eigo,44,17,,,33,49\r\n"
      "習得した人数,,Eigo,1,0,,,0,\r\n";
  EXPECT_EQ(csv.substr(0, head.size()), head);
  EXPECT_NE(csv.find("Eigo,1,Lesson A,私はここにいます,I (    ) here,2,1,0,0\r\n"),
            std::string::npos);

  ASSERT_EQ(RunClassCsv({dir.path().string()}, out, true, err), 0) << err;
  EXPECT_EQ(test::ReadBytes(out).substr(0, 12), ToCp932("成績ファイル"));

  const std::string record = test::ReadBytes(dir / "a.ret");
  EXPECT_EQ(RunClassCsv({dir.path().string()}, dir / "a.ret", false, err), 1);
  EXPECT_EQ(test::ReadBytes(dir / "a.ret"), record);

  // Nothing to read: said, and a failure.
  const TempDir empty;
  err.clear();
  EXPECT_EQ(RunClassCsv({empty.path().string()}, empty / "x.csv", false, err), 1);
  EXPECT_NE(err.find("成績ファイル (*.ret) がありません"), std::string::npos) << err;
  EXPECT_FALSE(std::filesystem::exists(empty / "x.csv"));
}

}  // namespace
}  // namespace vcq
