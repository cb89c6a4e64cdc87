// The time of day in UTC, which seeds the random generator.
#pragma once

#include "platform/Ports.h"

namespace vcq::ui {

class SystemClock : public ClockPort {
 public:
  TimeOfDay NowUtc() override;
};

}  // namespace vcq::ui
