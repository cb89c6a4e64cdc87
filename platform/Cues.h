// Which sound plays at which moment, and how: the one table of cues. A
// synchronous cue holds the whole program until it ends, so its length is
// part of the drill's rhythm.
#pragma once

#include <string_view>

#include "platform/Ports.h"

namespace vcq {

struct Cue {
  std::string_view file;
  CueMode mode;
};

namespace cue {
inline constexpr Cue kStartUp{"huku.wav", CueMode::Async};
inline constexpr Cue kCommand{"button.wav", CueMode::Async};     // F1 F2 F3 F5 F6 F7
inline constexpr Cue kRangeClick{"button.wav", CueMode::Async};  // range window
inline constexpr Cue kMapRefresh{"piyo1.wav", CueMode::Sync};
inline constexpr Cue kBatchStart{"change.wav", CueMode::Sync};
inline constexpr Cue kLeaveChoice{"change.wav", CueMode::Sync};  // Esc in a choice question
inline constexpr Cue kChoiceKey{"button2.wav", CueMode::Sync};
inline constexpr Cue kTypedKey{"button2.wav", CueMode::Sync};
inline constexpr Cue kIdleKey{"button.wav", CueMode::Sync};  // typed mode, answers not accepted
inline constexpr Cue kQuitPanel{"button.wav", CueMode::Sync};
inline constexpr Cue kRight{"piyo.wav", CueMode::Sync};
inline constexpr Cue kWrong{"oldng.wav", CueMode::Sync};
inline constexpr Cue kRefused{"oldng.wav", CueMode::Async};  // the name box refused an edit
inline constexpr Cue kNextQuestion{"piyo1.wav", CueMode::Async};
inline constexpr Cue kReview{"huku.wav", CueMode::Async};
inline constexpr Cue kAllDone{"huku.wav", CueMode::Async};
}  // namespace cue

inline void PlayCue(SoundPort& sound, const Cue& c) {
  sound.PlayCue(c.file, c.mode);
}

}  // namespace vcq
