// A class at a glance: the study records a teacher collected, read as they
// are on disk and never written or locked, each tallied as its learner's
// score table tallies it, grouped by the bank they belong to; per bank the
// class's figures and the questions the class gets wrong most.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "data/Bank.h"
#include "data/RecordFile.h"
#include "screens/LessonTally.h"

namespace vcq {

inline constexpr int kHardQuestions = 20;

// One record's row.
struct ClassRow {
  std::string path;         // the record file, by its own bytes
  std::string fileName;     // its name, to show (UTF-8)
  std::string player;       // CP932
  bool inUse = false;       // a learner has it open in a running VCQuick
  std::string problem;      // why the row lacks figures (UTF-8, one line); empty when whole
  bool hasLessons = false;  // the lesson figures are the bank's
  bool hasTotals = false;   // the whole-bank figures hold (from the record alone without its bank)
  std::array<std::int64_t, kMaxLessons> lessonRate{};
  std::array<bool, kMaxLessons> lessonMastered{};  // every question of the lesson at level 2
  Figures whole;
};

// A question many learners answered wrong at their last try.
struct HardQuestion {
  std::int32_t ques = 0;
  std::int32_t lesson = 0;
  std::string prompt;    // CP932, as the drill shows it
  std::string sentence;  // CP932, gaps as the drill shows them before an answer
  // Learners at each kind of level (KindOfLevel).
  std::array<std::int32_t, kLevelKinds> atLevel{};
};
// The columns of atLevel in every table of the hard questions (window,
// print, CSV), with their names (UTF-8): the wrong ones first, as they are
// ranked.
struct HardLevelColumn {
  LevelKind kind;
  const char* name;
};
inline constexpr std::array<HardLevelColumn, kLevelKinds> kHardLevelColumns = {{
    {kKindWrong, "不正解"},
    {kKindMastered, "習得"},
    {kKindOnce, "1回正解"},
    {kKindUnanswered, "未回答"},
}};

// The class's figures over the rows that have them.
struct ClassFigures {
  int learners = 0;
  std::array<std::int64_t, kMaxLessons> meanRate{};  // rounded to a whole number
  std::array<std::int32_t, kMaxLessons> masteredBy{};
  std::int64_t meanWholeRate = 0;
  std::int64_t meanEvaluation = 0;
  std::int32_t masteredAll = 0;
};

// The records of one bank, or (bankPath empty) those whose bank is unknown.
struct ClassSection {
  std::string bankPath;  // UTF-8
  std::string title;     // CP932: the bank's, or "" for the unknown
  std::int32_t lessons = 0;
  std::array<std::string, kMaxLessons> lessonName;  // CP932
  std::vector<ClassRow> rows;
  ClassFigures figures;
  std::vector<HardQuestion> hard;
};

struct ClassTable {
  std::vector<std::string> places;
  std::vector<ClassSection> sections;  // banks by title; the unknown last
  int records = 0;                     // every row, read or not

  int Rows() const;
};

// Reads every record in `places` (data/ClassPlaces.h) and each bank once.
// A record that cannot be read gets a row saying why; nothing throws for
// a record, a bank or a place.
ClassTable ReadClass(const std::vector<std::string>& places);

// One record's row from its bytes and its bank (nullptr: not found, with
// `noBank` saying why). The two need not agree: a bank that changed since
// is told as the main window tells it, and the row keeps the record's own totals.
ClassRow MakeClassRow(std::string_view bytes, const std::string& path, const Bank* bank,
                      const std::string& noBank);

// The columns of a section: 成績ファイル, 名前, one per lesson, 題数, 習得数,
// 習得率, 評価. Sorting by one keeps rows without that figure last.
int ColumnCount(const ClassSection& s);
std::string ColumnName(const ClassSection& s, int column);                   // UTF-8
std::string CellText(const ClassSection& s, const ClassRow& r, int column);  // UTF-8
// The rate a cell shows, for its colour; -1 when the cell holds no rate.
std::int64_t CellRate(const ClassSection& s, const ClassRow& r, int column);
// The class row's cell, "" where it has none.
std::string ClassCellText(const ClassSection& s, int column);
void SortRows(ClassSection& s, int column, bool descending);

// The folder the class was read from, to show: the places joined.
std::string PlacesText(const ClassTable& t);
// "<places> に成績ファイル (*.ret) がありません", or "" when the class has a record.
std::string NoRecordMessage(const ClassTable& t);

}  // namespace vcq
