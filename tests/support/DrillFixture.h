// The fixture the drill tests share: a learner at the drill screen of a
// whole program on the fakes, working in a fresh folder, with the drill
// screen, the drill state and the record at hand.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "tests/support/DrillDriver.h"
#include "tests/support/TextFiles.h"

namespace vcq::test {

struct DrillFixture : ::testing::Test {
  DrillFixture() : d(dir.path().string()) {}

  // `bytes` written to the folder as the bank `name` and opened as a new record.
  void OpenBank(const std::string& name, const std::string& bytes) {
    WriteBytes(dir / name, bytes);
    d.NewRecord(dir / name);
  }
  // A sample bank that comes with the program, copied into the folder and
  // opened as a new record.
  void OpenSample(const std::string& name) {
    std::filesystem::copy_file(std::filesystem::path(VCQ_ASSETS) / "banks" / name, dir / name);
    d.NewRecord(dir / name);
  }

  TfrmQues& ques() { return d.t.app.frmQues; }
  DrillState& drill() { return d.t.app.drill; }
  Record& rec() { return d.t.app.rec; }

  TempDir dir;
  DrillDriver d;
};

}  // namespace vcq::test
