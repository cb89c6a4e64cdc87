#include "ui/SystemClock.h"

#include <chrono>

namespace vcq::ui {

TimeOfDay SystemClock::NowUtc() {
  using namespace std::chrono;
  // The system clock counts UTC; the time of day is what is left after whole days.
  const auto now = floor<milliseconds>(system_clock::now());
  const hh_mm_ss t(now - floor<days>(now));
  return {static_cast<int>(t.hours().count()), static_cast<int>(t.minutes().count()),
          static_cast<int>(t.seconds().count()), static_cast<int>(t.subseconds().count())};
}

}  // namespace vcq::ui
