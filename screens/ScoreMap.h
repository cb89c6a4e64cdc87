// The score map on the main window: one cell per question, coloured by its
// progress, grouped by lesson. The cells are a display list that the main
// window's view paints, so the map survives being covered.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "platform/Control.h"

namespace vcq {

class Program;

struct MapRect {
  int left = 0, top = 0, right = 0, bottom = 0;  // right and bottom exclusive
  Rgb pen{};
  Rgb fill{};
};

struct ScoreMap {
  int SelCount = 0;
  std::array<std::string, 20> SelNames;  // CP932 lesson names
  std::array<int, 20> LesQuesCnt{};
  std::array<int, 21> LesRowTop{};
  std::array<int, 21> LesRowTop2{};
  int MapRows = 0;
  std::vector<MapRect> drawn;  // what the view paints, oldest first
};

void CountLesQues(Program& app);
void DrawScoreMap(Program& app);
// Plays the refresh cue and, with a record open, brings labels and cells up to date.
void RefreshScoreMap(Program& app);
void PlaceLesLabels(Program& app);
void DrawMapCells(Program& app);

}  // namespace vcq
