#include "screens/ScoreMap.h"

#include "app/Cues.h"
#include "app/Program.h"

namespace vcq {

void RefreshScoreMap(Program& app) { app.Play(cue::kMapRefresh); }

}  // namespace vcq
