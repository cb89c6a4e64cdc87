// What the drill's steps work on: the bank, the record, the drill state, the
// drill window, the ports and the session counters, and the few things the
// drill asks of the windows above it. The program that owns all of these
// hands them in; the drill never sees the program itself.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "data/Bank.h"
#include "data/Record.h"
#include "drill/DrillState.h"
#include "drill/ReadAloud.h"
#include "platform/Control.h"
#include "platform/Cues.h"
#include "platform/Ports.h"

namespace vcq {

class QuesWindow;

// What the drill asks of the windows above it.
struct DrillHooks {
  // A timer whose ticks run as an event of the program, failures caught.
  std::function<std::unique_ptr<Timer>(int intervalMs, bool enabled, std::function<void()> onTimer)>
      newTimer;
  // The main window again, its map cells redrawn with the new levels.
  std::function<void()> showMain;
  // Every question in range is mastered: the congratulations window.
  std::function<void()> congratulate;
};

// Everything but the drill window, which adds itself.
struct DrillLinks {
  Bank& bank;
  Record& rec;
  DrillState& drill;
  Ports ports;
  // The session's counters: 0 when the program starts, they run on over
  // every drill and every record, and nothing resets them; the main window
  // keeps them.
  std::int32_t& OkSum;
  std::int32_t& NgSum;
  const std::array<std::string, kMaxLessons>& SelNames;  // lesson names, CP932
  const Control& mainForm;  // the drill window opens where the main window stands
  ReadAloud& readAloud;     // the learner's voice, when turned on
  DrillHooks hooks;
};

struct DrillContext : DrillLinks {
  QuesWindow& frmQues;  // the drill screen TfrmQues, as far as the steps see it

  void Play(const Cue& c) const { PlayCue(ports.sound, c); }
};

}  // namespace vcq
