// The cues the tests expect, by file and mode. They are written out here
// rather than taken from platform/Cues.h, so that a cue changed there by
// mistake fails the tests.
#pragma once

#include "tests/support/Fakes.h"

namespace vcq::test::cues {

// The main window's commands; a click in the range window or the score table.
inline const PlayedCue kCommand{"button.wav", CueMode::Async};
// A typed-mode key while no answer is taken; the drill screen's quit panel.
inline const PlayedCue kButton{"button.wav", CueMode::Sync};
// A key on a typed question; a digit key or a click on a choice.
inline const PlayedCue kKey{"button2.wav", CueMode::Sync};
// A batch announced; Esc in a choice question.
inline const PlayedCue kChange{"change.wav", CueMode::Sync};
inline const PlayedCue kRight{"piyo.wav", CueMode::Sync};
inline const PlayedCue kWrong{"oldng.wav", CueMode::Sync};
// The next question of the batch.
inline const PlayedCue kNext{"piyo1.wav", CueMode::Async};
// The score map redrawn as a secondary window closes.
inline const PlayedCue kRefresh{"piyo1.wav", CueMode::Sync};
// Start-up, a review pass beginning, the drill done.
inline const PlayedCue kHuku{"huku.wav", CueMode::Async};
// The player window refusing what a record cannot hold.
inline const PlayedCue kRefused{"oldng.wav", CueMode::Async};

}  // namespace vcq::test::cues
