// The congratulations window on screen: opened above the drill screen when
// nothing is left to ask, its picture following the clock, and OK or the
// close button hiding it through the core.
#include <QLabel>
#include <QPushButton>
#include <QtTest>

#include "tests/support/DrillBanks.h"
#include "tests/support/DrillDriver.h"
#include "tests/support/TextFiles.h"
#include "tests/views/MirrorCheck.h"
#include "ui/CongratulationsView.h"
#include "ui/DrillScreenView.h"
#include "ui/Gui.h"
#include "ui/MainWindowView.h"

using namespace vcq;

class OmedetoViewTest : public QObject {
  Q_OBJECT

 private:
  // Both questions of the bank mastered, so the first batch finds nothing.
  struct Fixture {
    Fixture() : d(dir.path().string()) {
      test::WriteBytes(dir / "t.dat", test::TypedBank({"I @go", "you @come"}));
      d.NewRecord(dir / "t.dat");
      d.t.app.rec.OkLevel[0] = d.t.app.rec.OkLevel[1] = 2;
      gui.MainWindow().show();
    }
    void StartDrill() {
      QTest::keyClick(&gui.MainWindow(), Qt::Key_F5);
      d.t.clock.Advance(2000);
    }
    QWidget& Window() { return gui.ViewOf<ui::CongratulationsView>(); }
    QImage Picture() {
      return Window()
          .findChild<QLabel*>("imgOyaji")
          ->pixmap()
          .toImage()
          .convertToFormat(QImage::Format_RGB32);
    }
    static QImage Frame(const QString& file) {
      return QImage(QString(VCQ_ASSETS) + "/pictures/" + file)
          .convertToFormat(QImage::Format_RGB32);
    }

    test::TempDir dir;
    test::DrillDriver d;
    ui::Gui gui{d.t.app};
  };

 private slots:
  // The picture, the text and OK at their places, each showing its
  // control's caption, text colour and font size after a change.
  void everyWidgetMirrorsItsControl() {
    Fixture f;
    f.StartDrill();
    QVERIFY(f.Window().isVisible());
    using namespace ui::mirror;
    test::ExpectEveryWidgetMirrorsItsControl(f.gui.ViewOf<ui::CongratulationsView>().Mirrors(),
                                             kCaption | kTextColor | kFontSize | kPlace | kFitText,
                                             {"btnOk"}, [&] { f.gui.SyncAll(); });
  }

  // Given nothing left, the window should open over the drill screen with
  // its texts and size, and its picture step through the frames, one per
  // 200 ms tick, as the core's count says.
  void opensWhenNothingIsLeftAndAnimates() {
    Fixture f;
    QVERIFY(!f.Window().isVisible());
    f.StartDrill();
    QVERIFY(f.Window().isVisible());
    QVERIFY(f.gui.ViewOf<ui::DrillScreenView>().isVisible());
    QVERIFY(f.Window().isWindow());
    QCOMPARE(f.Window().size(), QSize(155, 92));
    QCOMPARE(f.Window().minimumSize(), f.Window().maximumSize());
    QCOMPARE(f.Window().windowTitle(), QString("やったね。(^_^)v"));
    QCOMPARE(f.Window().palette().color(QPalette::Window), QColor(0xA3, 0xA5, 0xFF));
    QCOMPARE(f.Window().findChild<QLabel*>("Label1")->text(), QString("よくできました。"));
    QCOMPARE(f.Window().findChild<QPushButton*>("btnOk")->geometry(), QRect(97, 22, 53, 25));

    for (int step = 0; step < 9; ++step) {
      const int frame = f.d.t.app.frmOmedeto.Picture();
      QVERIFY(frame >= 1 && frame <= 8);
      QCOMPARE(f.Picture(), Fixture::Frame(QStringLiteral("om%1.jpg").arg(frame)));
      f.d.t.clock.Advance(200);
      QCOMPARE(f.d.t.app.frmOmedeto.Picture(), frame % 8 + 1);
    }
  }

  // OK hides the window and leaves the drill screen up; the title bar's
  // close button does the same when it opens again.
  void okAndCloseHideItThroughTheCore() {
    Fixture f;
    f.StartDrill();
    QTest::mouseClick(f.Window().findChild<QPushButton*>("btnOk"), Qt::LeftButton);
    QVERIFY(!f.d.t.app.frmOmedeto.form.Visible);
    QVERIFY(!f.Window().isVisible());
    QVERIFY(f.gui.ViewOf<ui::DrillScreenView>().isVisible());

    QTest::keyClick(&f.gui.ViewOf<ui::DrillScreenView>(), Qt::Key_Escape);
    f.StartDrill();
    QVERIFY(f.Window().isVisible());
    QVERIFY(f.Window().close());
    QVERIFY(!f.d.t.app.frmOmedeto.form.Visible);
    f.d.t.clock.Advance(400);
    QVERIFY(!f.Window().isVisible());
  }
};

QTEST_MAIN(OmedetoViewTest)
#include "CongratulationsViewTest.moc"
