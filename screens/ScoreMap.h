// The score map on the main window: one cell per question, coloured by its
// progress, grouped by lesson. The cells are a display list that the main
// window's view paints, so the map survives being covered.
//
// Two layouts: normal (50 cells a row from top 130) while the lessons need at
// most 14 rows of 50, dense (65 a row from top 102) beyond. DrawScoreMap
// computes the layout once per record; RefreshScoreMap and DrawMapCells reuse it.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "data/Bank.h"
#include "data/Record.h"
#include "platform/Control.h"
#include "platform/Ports.h"

namespace vcq {

struct MapRect {
  int left = 0, top = 0, right = 0, bottom = 0;  // right and bottom exclusive
  Rgb pen{};                                     // pen width is always 1
  Rgb fill{};
  bool SamePlace(const MapRect& o) const {
    return left == o.left && top == o.top && right == o.right && bottom == o.bottom;
  }
  friend bool operator==(const MapRect&, const MapRect&) = default;
};

// The area a full draw wipes first.
inline constexpr MapRect kMapArea{110, 100, 580, 420, mapcolors::kWindow, mapcolors::kWindow};

// A cell as a screen reader reads it: the question (0 is the bank's first),
// its lesson, its level as the record keeps it (-1 never answered, 0 wrong,
// 1 right once, 2 mastered), and its place among the drawn rectangles.
struct MapCell {
  int ques = 0;
  int lesson = 0;
  int level = kLevelUnanswered;
  MapRect place;
  friend bool operator==(const MapCell&, const MapCell&) = default;
};

struct ScoreMap {
  int SelCount = 0;
  std::array<std::string, kMaxLessons> SelNames;  // CP932 lesson names
  std::array<int, kMaxLessons> LesQuesCnt{};
  std::array<int, kMaxLessons + 1> LesRowTop{};   // normal layout; [SelCount] is the row total
  std::array<int, kMaxLessons + 1> LesRowTop2{};  // dense layout
  int MapRows = 0;
  std::vector<MapRect> drawn;  // what the view paints, oldest first
  std::vector<MapCell> cells;  // the last cells drawn, in question order

  bool Dense() const { return MapRows > 14; }
  // Paints `r` on top; a rectangle at exactly the same place is replaced, so
  // repeated refreshes keep the list at one entry per cell.
  void Draw(const MapRect& r);
};

// What the map is drawn from and into. The main window owns the map's state
// and the controls that show it (its view paints them from there); the map
// functions only fill them, from the bank and the record, and the refresh
// plays its cue.
struct MapCanvas {
  const Bank& bank;
  const Record& rec;
  SoundPort& sound;
  ScoreMap& map;
  Control& lblTitle;
  Control& lblPlayer;
  Control& pnlSel;  // the range command and its two labels show with lessons
  Control& lblsel;
  Control& lblsel2;
  std::array<Control, kMaxLessons>& LesPanel;
};

// The map in words, CP932: per lesson (or for the whole bank, without
// lessons), how many questions are at each level, one line each.
std::string MapSummary(const ScoreMap& m);
// One cell in words, CP932: "問 12 習得".
std::string CellText(const MapCell& c);

// LesQuesCnt[g] := questions of lesson g.
void CountLesQues(const MapCanvas& c);
// Wipe, layout, title and player, labels, cells.
void DrawScoreMap(const MapCanvas& c);
// Plays the refresh cue and, with a record open, brings labels and cells up to date.
void RefreshScoreMap(const MapCanvas& c);
// Captions, colours and tops of the main window's lesson labels.
void PlaceLesLabels(const MapCanvas& c);
// One cell per question, on the layout of the last DrawScoreMap.
void DrawMapCells(const MapCanvas& c);

}  // namespace vcq
