// The level a record stores for each question (OkLevel), named once: what a
// first-pass answer makes of it, which questions a batch takes, the map's
// colours and the tallies all read these.
#pragma once

#include <cstdint>

namespace vcq {

inline constexpr std::int32_t kLevelUnanswered = -1;
inline constexpr std::int32_t kLevelWrong = 0;  // the last first-pass answer was wrong
inline constexpr std::int32_t kLevelOnce = 1;   // right once since
inline constexpr std::int32_t kLevelMastered = 2;

// The four kinds a level is counted as, in the order the help lists them.
// A value a record should not hold counts as never answered.
enum LevelKind : int { kKindUnanswered, kKindWrong, kKindOnce, kKindMastered, kLevelKinds };
constexpr LevelKind KindOfLevel(std::int32_t level) {
  switch (level) {
    case kLevelWrong:
      return kKindWrong;
    case kLevelOnce:
      return kKindOnce;
    case kLevelMastered:
      return kKindMastered;
    default:
      return kKindUnanswered;
  }
}

}  // namespace vcq
