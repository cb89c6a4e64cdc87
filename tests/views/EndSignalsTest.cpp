// SIGTERM, as a desktop session sends it at logout, ends the program through
// its close: the open record is saved, not lost.
#include <QtTest>
#include <csignal>
#include <filesystem>

#include "tests/support/DrillBanks.h"
#include "tests/support/DrillDriver.h"
#include "tests/support/TextFiles.h"
#include "ui/EndSignals.h"

using namespace vcq;

class EndSignalsTest : public QObject {
  Q_OBJECT

 private slots:
  // Given a new record not saved yet, SIGTERM saves it and ends the program.
  void aTermSignalSavesTheRecordAndEnds() {
    test::TempDir dir;
    test::WriteBytes(dir / "t.dat", test::TypedBank({"@a"}));
    test::DrillDriver d(dir.path().string());
    d.NewRecord(dir / "t.dat", "mine");
    Program& app = d.t.app;
    QVERIFY(!std::filesystem::exists(dir / "mine.ret"));

    ui::EndSignals ends([&app] { app.Guard([&] { app.frmMain.FormClose(); }); });
    std::raise(SIGTERM);
    QTRY_VERIFY(app.frmMain.Closed);
    QVERIFY(std::filesystem::exists(dir / "mine.ret"));
    QVERIFY(d.t.dialogs.errors.empty());
  }
};

QTEST_MAIN(EndSignalsTest)
#include "EndSignalsTest.moc"
