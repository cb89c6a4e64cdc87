// A whole program on the fake ports, for scenario tests.
#pragma once

#include <string>

#include "app/Program.h"
#include "tests/support/Fakes.h"

namespace vcq::test {

struct TestProgram {
  explicit TestProgram(std::string workDir = ".", std::string assetDir = VCQ_ASSETS)
      : app(Ports{clock, timeOfDay, sound, dialogs},
            Paths{std::move(assetDir), std::move(workDir)}) {}

  // Runs the start-up sequence to its end (13 ticks of 100 ms).
  void StartUp() { clock.Advance(1300); }
  void Key(int vk) {
    app.Guard([&] { app.frmMain.FormKeyDown(vk); });
  }

  ManualClock clock;
  FixedClock timeOfDay;
  RecordingSound sound;
  ScriptedDialogs dialogs;
  Program app;
};

}  // namespace vcq::test
