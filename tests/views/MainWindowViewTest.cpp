// The main window on screen: its size, the command bar following the core,
// and keys and clicks reaching TfrmMain.
#include <QLabel>
#include <QtTest>

#include "tests/support/TestProgram.h"
#include "tests/views/MirrorCheck.h"
#include "ui/Gui.h"
#include "ui/MainWindowView.h"
#include "ui/SplashView.h"

using namespace vcq;

class MainViewTest : public QObject {
  Q_OBJECT

 private:
  struct Fixture {
    test::TestProgram t;
    ui::Gui gui{t.app};
    QWidget& MainWindow() { return gui.MainWindow(); }
    QWidget* Child(const char* name) { return gui.MainWindow().findChild<QWidget*>(name); }
    QString Text(const char* name) { return gui.MainWindow().findChild<QLabel*>(name)->text(); }
    bool Shown(const char* name) { return Child(name)->isVisibleTo(&gui.MainWindow()); }
    void StartUp() {
      t.StartUp();
      t.sound.played.clear();
    }
  };

 private slots:
  // Given a fresh program, the main window has its fixed size and the splash
  // shows; after 1.3 s the splash is gone and F1 F2 F3 F9 are offered.
  void startUpShowsTheFirstCommands() {
    Fixture f;
    QCOMPARE(f.MainWindow().size(), QSize(593, 423));
    QCOMPARE(f.MainWindow().minimumSize(), f.MainWindow().maximumSize());
    QCOMPARE(f.MainWindow().windowTitle(), QString("MiravelCompany"));
    QVERIFY(f.gui.ViewOf<ui::SplashView>().isVisible());
    QCOMPARE(f.gui.ViewOf<ui::SplashView>().size(), QSize(224, 72));
    QVERIFY(!f.Shown("pnlQuit"));
    QCOMPARE(f.Text("lblHelp2"), QString("ヘルプ"));

    f.StartUp();
    QVERIFY(!f.gui.ViewOf<ui::SplashView>().isVisible());
    for (const char* shown : {"pnlQuit", "pnlOpen", "pnlFileCreate", "pnlHelp", "lblKeyQuit"})
      QVERIFY2(f.Shown(shown), shown);
    for (const char* hidden : {"pnlSel", "lblsel", "lblsel2", "pnlGo", "lblGo2", "pnlOption",
                               "pnlSheet", "lblSheet", "pnlReDraw", "pnl0", "lblTitle"})
      QVERIFY2(!f.Shown(hidden), hidden);
    QCOMPARE(f.Text("lblHelp2"), QString("ﾍﾙﾌﾟ"));
    QCOMPARE(f.Child("pnlHelp")->palette().color(QPalette::Window), QColor(0xFA, 0xBB, 0x45));
  }

  // The command buttons at their places, and each widget showing its
  // control's caption, colours, font size and visibility after a change.
  void everyWidgetMirrorsItsControl() {
    Fixture f;
    f.StartUp();
    QCOMPARE(f.Child("pnlHelp")->geometry(), QRect(317, 4, 36, 36));
    using namespace ui::mirror;
    test::ExpectEveryWidgetMirrorsItsControl(
        f.gui.MainWindow().Mirrors(), kCaption | kBackground | kTextColor | kPlace | kVisible,
        {"lblsel", "lblsel2", "lblGo", "lblGo2", "lblOption", "lblOption2", "lblSheet", "lblSheet2",
         "lblHelp2"},
        [&] { f.gui.SyncAll(); });
  }

  // F9 opens the help once and turns into the redraw command; the second
  // F9 turns it back. A click on the help button does what F9 does.
  void f9SwitchesBetweenHelpAndRedraw() {
    Fixture f;
    f.StartUp();
    QTest::keyClick(&f.MainWindow(), Qt::Key_F9);
    QCOMPARE(f.t.dialogs.helpShown, 1);
    QVERIFY(f.Shown("pnlReDraw"));
    QVERIFY(!f.Shown("pnlHelp"));
    QCOMPARE(f.Text("lblHelp2"), QString("成績の再描画"));

    QTest::keyClick(&f.MainWindow(), Qt::Key_F9);
    QCOMPARE(f.t.dialogs.helpShown, 1);
    QVERIFY(f.Shown("pnlHelp"));
    QVERIFY(!f.Shown("pnlReDraw"));
    QCOMPARE(f.Text("lblHelp2"), QString("ﾍﾙﾌﾟ"));

    QTest::mouseClick(f.Child("pnlHelp"), Qt::LeftButton);
    QCOMPARE(f.t.dialogs.helpShown, 2);
    QVERIFY(f.Shown("pnlReDraw"));
  }

  // Given no record, F4 to F7 do nothing: no click, no window.
  void recordKeysDoNothingWithoutARecord() {
    Fixture f;
    f.StartUp();
    for (Qt::Key k : {Qt::Key_F4, Qt::Key_F5, Qt::Key_F6, Qt::Key_F7})
      QTest::keyClick(&f.MainWindow(), k);
    QVERIFY(f.t.sound.played.empty());
    const Program& app = f.t.app;
    QVERIFY(!app.frmSel.form.Visible && !app.frmQues.form.Visible && !app.frmOption.form.Visible &&
            !app.frmScoreTable.form.Visible);
    QVERIFY(f.t.dialogs.errors.empty());
  }

  // F3 with a bank picked loads it; the name prompt that follows is cancelled.
  void f3LoadsThePickedBank() {
    Fixture f;
    f.StartUp();
    f.t.dialogs.files.push_back(f.t.app.paths.assetDir + "/banks/eigo1.dat");
    f.t.dialogs.inputs.push_back([&] { f.t.app.frmInput.BitBtn2Click(); });
    QTest::keyClick(&f.MainWindow(), Qt::Key_F3);
    QCOMPARE(f.t.dialogs.fileDialogs.size(), std::size_t{1});
    QVERIFY(f.t.app.bank.QuesCount > 0);
    QVERIFY(f.t.dialogs.errors.empty());
  }

  // Closing the window by its title bar ends the program, once.
  void closingTheWindowEndsTheProgram() {
    Fixture f;
    int ended = 0;
    f.gui.onClosed = [&] { ++ended; };
    f.StartUp();
    f.MainWindow().show();
    QVERIFY(f.MainWindow().close());
    QVERIFY(f.t.app.frmMain.Closed);
    QCOMPARE(ended, 1);
    QVERIFY(!f.MainWindow().isVisible());
  }

  // F1 ends the program without a second close through the title bar.
  void f1EndsTheProgram() {
    Fixture f;
    int ended = 0;
    f.gui.onClosed = [&] { ++ended; };
    f.StartUp();
    QTest::keyClick(&f.MainWindow(), Qt::Key_F1);
    QCOMPARE(ended, 1);
    QVERIFY(!f.MainWindow().isVisible());
    QCOMPARE(f.t.sound.played.size(), std::size_t{1});
  }
};

QTEST_MAIN(MainViewTest)
#include "MainWindowViewTest.moc"
