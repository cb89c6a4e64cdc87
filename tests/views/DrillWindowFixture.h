// The whole program's windows on a new record of a bank the test writes,
// the main window shown: where the view tests of the drill start.
#pragma once

#include <QtTest>
#include <string>

#include "tests/support/DrillDriver.h"
#include "tests/support/TextFiles.h"
#include "ui/Gui.h"
#include "ui/MainWindowView.h"

namespace vcq::test {

struct DrillWindowFixture {
  explicit DrillWindowFixture(const std::string& bank) : d(dir.path().string()) {
    WriteBytes(dir / "t.dat", bank);
    d.NewRecord(dir / "t.dat");
    gui.MainWindow().show();
  }
  // F5 on the main window, then the two ticks of the batch announcement.
  void PressF5() {
    QTest::keyClick(&gui.MainWindow(), Qt::Key_F5);
    d.t.clock.Advance(2000);
  }
  TempDir dir;
  DrillDriver d;
  ui::Gui gui{d.t.app};
};

}  // namespace vcq::test
