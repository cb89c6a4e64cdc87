// The order in which the drill visits the questions of the bank.
#pragma once

#include <cstdint>

#include "drill/DrillState.h"
#include "platform/Ports.h"

namespace vcq {

// QuesOrder for QuesCount questions: data order when OrderMode is 0, else a
// fresh random order. A permutation is drawn either way.
void BuildQuesOrder(DrillState& drill, std::int32_t QuesCount, std::int32_t OrderMode,
                    const TimeOfDay& now);

}  // namespace vcq
