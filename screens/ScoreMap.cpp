#include "screens/ScoreMap.h"

#include "app/Cues.h"
#include "app/Program.h"

namespace vcq {

void CountLesQues(Program&) {}
void DrawScoreMap(Program&) {}
void PlaceLesLabels(Program&) {}
void DrawMapCells(Program&) {}

void RefreshScoreMap(Program& app) {
  app.Play(cue::kMapRefresh);
}

}  // namespace vcq
