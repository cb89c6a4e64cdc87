// The options window on screen: opened by F6 with the record's values, its
// keys, panels and radio buttons reaching TfrmOption, and its two ways out.
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

#include "platform/VirtualKeys.h"
#include "tests/support/CueTable.h"
#include "tests/support/MemoryRecord.h"
#include "tests/support/TestProgram.h"
#include "tests/views/MirrorCheck.h"
#include "ui/Gui.h"
#include "ui/OptionsView.h"

using namespace vcq;

using test::cues::kRefresh;

class OptionViewTest : public QObject {
  Q_OBJECT

 private:
  struct Fixture {
    test::TestProgram t;
    ui::Gui gui{t.app};
    Fixture(int flashTime, int oneLetter, int orderMode) {
      t.StartUp();
      test::OpenInMemory(t, {10, 10});
      t.app.rec.FlashTime = flashTime;
      t.app.rec.OneLetter = oneLetter;
      t.app.rec.OrderMode = orderMode;
      t.Key(vk::kF6);
      t.sound.played.clear();
    }
    ui::OptionsView& View() { return gui.ViewOf<ui::OptionsView>(); }
    QString Flash() { return View().findChild<QLabel*>("pnlInf")->text(); }
    QRadioButton* Radio(const char* name) { return View().findChild<QRadioButton*>(name); }
    QWidget* Child(const char* name) { return View().findChild<QWidget*>(name); }
    void Key(Qt::Key k) { QTest::keyClick(&View(), k); }
    // On its round button: a radio button takes clicks on its text and
    // button only.
    void Pick(const char* name) {
      QRadioButton* r = Radio(name);
      QTest::mouseClick(r, Qt::LeftButton, {}, QPoint(6, r->height() / 2));
    }
  };

 private slots:
  // Given a record with flash time 7, the hint on and random order, F6 shows
  // the window, titled, 420 x 202 inside, with those values.
  void f6ShowsTheRecordsOptions() {
    Fixture f(7, 1, 1);
    QVERIFY(f.View().isVisible());
    QCOMPARE(f.View().windowTitle(), QString("オプション"));
    QCOMPARE(f.View().size(), QSize(420, 202));
    QCOMPARE(f.View().minimumSize(), f.View().maximumSize());
    QCOMPARE(f.Flash(), QString("7"));
    QVERIFY(f.Radio("RadioGroup1_1")->isChecked());
    QVERIFY(f.Radio("RadioGroup2_1")->isChecked());
    QCOMPARE(f.View().findChild<QGroupBox*>("RadioGroup2")->title(), QString("出題順"));
    QCOMPARE(f.Radio("RadioGroup2_0")->text(), QString("データの並び順"));
    QCOMPARE(f.Child("pnlInf")->palette().color(QPalette::Window), QColor(0x00, 0x80, 0x00));
    QCOMPARE(f.Child("pnlInf")->palette().color(QPalette::WindowText), QColor(Qt::white));
    QCOMPARE(f.Child("pnlUp")->palette().color(QPalette::Window), QColor(0xB9, 0xA5, 0x87));
    QCOMPARE(f.View().findChild<QPushButton*>("BitBtn2")->text(), QString("ｷｬﾝｾﾙ"));
    // Everything inside the client area.
    for (QWidget* w : f.View().findChildren<QWidget*>())
      if (w->parentWidget() == &f.View())
        QVERIFY2(f.View().rect().contains(w->geometry()), qPrintable(w->objectName()));
  }

  // Each widget showing its control's caption, colours and visibility after
  // a change.
  void everyWidgetMirrorsItsControl() {
    Fixture f(7, 1, 1);
    using namespace ui::mirror;
    test::ExpectEveryWidgetMirrorsItsControl(
        f.View().Mirrors(), kCaption | kBackground | kTextColor | kVisible | kFitText,
        {"RadioGroup1", "RadioGroup2", "Label1", "Label3", "BitBtn1", "BitBtn2", "chkSpeak"},
        [&] { f.gui.SyncAll(); });
  }

  // "+" and Page Up raise the flash time shown, "-" and Page Down lower it,
  // and so do the two panels; it stops at 20 and at 0.
  void plusAndMinusStepTheFlashTime() {
    Fixture f(7, 0, 0);
    f.Key(Qt::Key_Plus);
    QCOMPARE(f.Flash(), QString("8"));
    QCOMPARE(f.t.app.rec.FlashTime, 8);
    f.Key(Qt::Key_PageUp);
    QCOMPARE(f.Flash(), QString("9"));
    f.Key(Qt::Key_Minus);
    f.Key(Qt::Key_PageDown);
    QCOMPARE(f.Flash(), QString("7"));
    QTest::mouseClick(f.Child("pnlUp"), Qt::LeftButton);
    QCOMPARE(f.Flash(), QString("8"));
    QTest::mouseClick(f.Child("pnlDown"), Qt::LeftButton);
    QCOMPARE(f.Flash(), QString("7"));
    for (int i = 0; i < 21; ++i) f.Key(Qt::Key_Plus);
    QCOMPARE(f.Flash(), QString("20"));
    for (int i = 0; i < 21; ++i) f.Key(Qt::Key_Minus);
    QCOMPARE(f.Flash(), QString("0"));
    QVERIFY(f.t.sound.played.empty());
  }

  // Changes made in the window and then Cancel: the record and the window
  // show the values it opened with, the window hides and the map refreshes.
  void cancelRestoresTheOpeningValues() {
    Fixture f(3, 0, 0);
    f.Key(Qt::Key_Plus);
    f.Pick("RadioGroup2_1");
    f.Pick("RadioGroup1_1");
    QCOMPARE(f.t.app.rec.OrderMode, 1);
    QCOMPARE(f.t.app.rec.OneLetter, 1);
    QTest::mouseClick(f.Child("BitBtn2"), Qt::LeftButton);
    QVERIFY(!f.View().isVisible());
    QCOMPARE(f.t.app.rec.FlashTime, 3);
    QCOMPARE(f.t.app.rec.OrderMode, 0);
    QCOMPARE(f.t.app.rec.OneLetter, 0);
    QCOMPARE(f.Flash(), QString("3"));
    QVERIFY(f.Radio("RadioGroup2_0")->isChecked());
    QCOMPARE(f.t.sound.played, std::vector<test::PlayedCue>{kRefresh});
  }

  // Esc is Cancel, Enter is OK, and the title bar's close button keeps the
  // changes without a refresh.
  void keysAndCloseBoxLeaveTheWindow() {
    Fixture f(5, 0, 0);
    f.Key(Qt::Key_Plus);
    f.Key(Qt::Key_Escape);
    QVERIFY(!f.View().isVisible());
    QCOMPARE(f.t.app.rec.FlashTime, 5);

    f.t.Key(vk::kF6);
    f.Key(Qt::Key_Plus);
    f.Key(Qt::Key_Return);
    QVERIFY(!f.View().isVisible());
    QCOMPARE(f.t.app.rec.FlashTime, 6);

    f.t.Key(vk::kF6);
    f.t.sound.played.clear();
    f.Key(Qt::Key_Plus);
    QVERIFY(f.View().close());
    QVERIFY(!f.t.app.frmOption.form.Visible);
    QCOMPARE(f.t.app.rec.FlashTime, 7);
    QVERIFY(f.t.sound.played.empty());
  }

  // The read-aloud row: below OK and Cancel, which stay where they were,
  // off at first. A click turns it on at once; Cancel puts it back without
  // writing the settings file, OK writes it, and the window opens with it.
  void readAloudRowKeepsTheLearnersSetting() {
    Fixture f(0, 0, 0);
    test::MemorySettings settings;
    f.t.app.readAloud.store = &settings;
    auto* box = f.View().findChild<QCheckBox*>("chkSpeak");
    QVERIFY(box);
    QCOMPARE(box->text(), QString("英文を読み上げる"));
    QCOMPARE(f.Child("BitBtn1")->geometry(), QRect(234, 144, 84, 28));
    QVERIFY(box->geometry().top() >= 144 + 28);
    QVERIFY(!box->isChecked());

    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(6, box->height() / 2));
    QVERIFY(box->isChecked());
    QVERIFY(f.t.app.readAloud.on);
    f.Key(Qt::Key_Escape);
    QVERIFY(!f.t.app.readAloud.on);
    QCOMPARE(settings.writes, 0);

    f.t.Key(vk::kF6);
    QVERIFY(!box->isChecked());
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(6, box->height() / 2));
    f.Key(Qt::Key_Return);
    QVERIFY(f.t.app.readAloud.on);
    QVERIFY(settings.readAloud);

    f.t.Key(vk::kF6);
    QVERIFY(box->isChecked());
  }

  // A record holding a negative order value shows no item checked; a click
  // checks one again.
  void aNegativeValueChecksNoItem() {
    Fixture f(0, 0, -3);
    QVERIFY(!f.Radio("RadioGroup2_0")->isChecked());
    QVERIFY(!f.Radio("RadioGroup2_1")->isChecked());
    f.Pick("RadioGroup2_0");
    QCOMPARE(f.t.app.rec.OrderMode, 0);
    QVERIFY(f.Radio("RadioGroup2_0")->isChecked());
  }
};

QTEST_MAIN(OptionViewTest)
#include "OptionsViewTest.moc"
