// The signals that ask the program to end (Ctrl-C, a logout, a shutdown)
// end it through its close: the open record is saved, not lost. A second
// Ctrl-C while that ending is under way ends it at once.
#include <sys/wait.h>
#include <unistd.h>
#include <QtTest>
#include <csignal>
#include <filesystem>

#include "tests/support/DrillBanks.h"
#include "tests/support/DrillDriver.h"
#include "tests/support/TextFiles.h"
#include "ui/EndSignals.h"

using namespace vcq;

namespace {

// Lets the event loop run for `ms`.
void Spin(int ms) {
  QEventLoop loop;
  QTimer::singleShot(ms, &loop, &QEventLoop::quit);
  loop.exec();
}

}  // namespace

class EndSignalsTest : public QObject {
  Q_OBJECT

 private slots:
  // Given a new record not saved yet, each of SIGINT, SIGTERM, SIGHUP and
  // SIGQUIT saves it and ends the program.
  void eachEndSignalSavesTheRecordAndEnds() {
    for (int sig : {SIGINT, SIGTERM, SIGHUP, SIGQUIT}) {
      test::TempDir dir;
      test::WriteBytes(dir / "t.dat", test::TypedBank({"@a"}));
      test::DrillDriver d(dir.path().string());
      d.NewRecord(dir / "t.dat", "mine");
      Program& app = d.t.app;
      QVERIFY(!std::filesystem::exists(dir / "mine.ret"));

      ui::EndSignals ends([&app] { app.Guard([&] { app.frmMain.FormClose(); }); });
      std::raise(sig);
      QTRY_VERIFY2(app.frmMain.Closed, strsignal(sig));
      QVERIFY(std::filesystem::exists(dir / "mine.ret"));
      QVERIFY(d.t.dialogs.errors.empty());
    }
  }

  // Given SIGHUP ignored at the start (nohup), it should stay ignored. Given
  // a learner who stays at the first ending's question, the next SIGINT
  // should ask again; while that question is up, SIGTERM should change
  // nothing and a second SIGINT should end the program by SIGINT.
  void aSecondInterruptDuringTheEndingEndsAtOnce() {
    const pid_t child = ::fork();
    QVERIFY(child >= 0);
    if (child == 0) {
      std::signal(SIGHUP, SIG_IGN);
      int endings = 0;
      ui::EndSignals ends([&endings] {
        if (++endings == 1) return;  // the learner stays
        std::raise(SIGTERM);
        Spin(100);  // the question is up
        if (endings != 2) ::_exit(4);
        std::raise(SIGINT);
        ::_exit(3);
      });
      std::raise(SIGHUP);
      Spin(100);
      if (endings != 0) ::_exit(2);
      std::raise(SIGINT);
      Spin(100);
      if (endings != 1) ::_exit(1);
      std::raise(SIGINT);
      Spin(5000);
      ::_exit(5);
    }
    int status = 0;
    QCOMPARE(::waitpid(child, &status, 0), child);
    if (WIFEXITED(status)) QFAIL(qPrintable(QString("exited with %1").arg(WEXITSTATUS(status))));
    QVERIFY(WIFSIGNALED(status));
    QCOMPARE(WTERMSIG(status), SIGINT);
  }
};

QTEST_MAIN(EndSignalsTest)
#include "EndSignalsTest.moc"
