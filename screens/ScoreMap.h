// The score map on the main window: one cell per question, coloured by its
// progress, grouped by lesson.
#pragma once

namespace vcq {

class Program;

// Plays the refresh cue and, with a record open, brings labels and cells up to date.
void RefreshScoreMap(Program& app);

}  // namespace vcq
