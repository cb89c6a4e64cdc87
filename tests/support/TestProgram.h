// A whole program on the fake ports, for scenario tests.
#pragma once

#include <string>

#include "app/Program.h"
#include "data/Cp932.h"
#include "platform/VirtualKeys.h"
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
  // The learner types `utf8` into the player window, the next time it is
  // shown, and presses Enter.
  void Answer(const std::string& utf8) {
    dialogs.inputs.push_back([this, utf8] {
      app.frmInput.MaskEdit1Change(Sj(utf8));
      app.frmInput.FormKeyDown(vk::kReturn);
    });
  }
  // F3 on `bank`, answering the player's name and the record's.
  void NewRecord(const std::string& bank, const std::string& player, const std::string& name) {
    dialogs.files.push_back(bank);
    Answer(player);
    Answer(name);
    Key(vk::kF3);
  }

  ManualClock clock;
  FixedClock timeOfDay;
  RecordingSound sound;
  ScriptedDialogs dialogs;
  Program app;
};

}  // namespace vcq::test
