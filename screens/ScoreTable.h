// The score table: per lesson the questions, the mastered ones, the mastery
// rate and an evaluation that weighs progress against the answers given.
// It reads the bank and the record and changes nothing.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "data/Bank.h"
#include "data/Record.h"
#include "platform/Control.h"
#include "screens/ScoreMap.h"

namespace vcq {

// A string grid: a header row and a name column that do not scroll.
struct StringGrid : Control {
  static constexpr int kMaxRows = kMaxLessons + 1;
  static constexpr int kCols = 5;
  int RowCount = 1;
  int ColCount = kCols;
  int FixedRows = 1;
  int FixedCols = 1;
  int DefaultColWidth = 60;
  Rgb FixedColor{};
  std::array<std::array<std::string, kCols>, kMaxRows> Cells;  // [row][col], CP932
};

class TfrmScoreTable {
 public:
  TfrmScoreTable(const Bank& bank, const Record& rec, const MapCanvas& canvas);

  // Tallies every question of the bank, fills the grid and shows the window;
  // shown again, it tallies and fills afresh.
  void ShowScoreTable();

  // Event handlers.
  void btnOKClick();
  void FormClose();  // the title bar's close box: hides, nothing else

  Control form;
  StringGrid grdTen;
  Control btnOK;

  std::array<std::int32_t, kMaxLessons> TenQues{};
  std::array<std::int32_t, kMaxLessons> TenOk{};
  // Answers of a whole lesson: a sum of up to 600 record values, wider than
  // one so that a damaged record cannot overflow it.
  std::array<std::int64_t, kMaxLessons> TenAns{};
  std::array<std::int32_t, kMaxLessons> TenPt{};
  std::array<std::string, kMaxLessons> TenName;
  std::int32_t TenRows = 0;

 private:
  void Tally();

  const Bank& bank_;
  const Record& rec_;
  const MapCanvas& canvas_;  // refreshed when the table closes
};

}  // namespace vcq
