// The study range window on screen: opened by F4, sized for ten or twenty
// lessons, and every click and letter key reaching TfrmSel, with the main
// window's labels and cells following at once.
#include <QLabel>
#include <QPushButton>
#include <QtTest>

#include "platform/VirtualKeys.h"
#include "tests/support/CueTable.h"
#include "tests/support/MemoryRecord.h"
#include "tests/support/TestProgram.h"
#include "tests/views/MirrorCheck.h"
#include "ui/Gui.h"
#include "ui/MainWindowView.h"
#include "ui/StudyRangeView.h"
#include "ui/WindowParts.h"

using namespace vcq;

namespace {

const QColor kOn(0x87, 0x73, 0x55);
const QColor kOff(0xC0, 0xC0, 0xC0);
using test::cues::kCommand;
using test::cues::kRefresh;

}  // namespace

class RangeViewTest : public QObject {
  Q_OBJECT

 private:
  struct Fixture {
    test::TestProgram t;
    ui::Gui gui{t.app};
    explicit Fixture(int lessons) {
      t.StartUp();
      test::OpenInMemory(t, std::vector<int>(lessons, 10));
      t.Key(vk::kF4);
      t.sound.played.clear();
    }
    ui::StudyRangeView& StudyRange() { return gui.ViewOf<ui::StudyRangeView>(); }
    QWidget* Panel(int i) {
      return StudyRange().findChild<QWidget*>(QStringLiteral("pnl%1").arg(i));
    }
    QString Caption(int i) { return static_cast<ui::CaptionPanel*>(Panel(i))->caption()->text(); }
    QColor Colour(QWidget* w) { return w->palette().color(QPalette::Window); }
    QLabel* MainLabel(int i) {
      return gui.MainWindow().findChild<QLabel*>(QStringLiteral("pnl%1").arg(i));
    }
    // The first cell of lesson g, each lesson being one row of ten.
    QColor CellBorder(int g) {
      return gui.MainWindow().grab().toImage().pixelColor(123, 130 + 14 * g);
    }
    QPushButton* Button(const char* name) { return StudyRange().findChild<QPushButton*>(name); }
    std::vector<test::PlayedCue>& Played() { return t.sound.played; }
  };

 private slots:
  // Given four lessons, F4 shows the window, titled, in the small size, with
  // one brown panel per lesson and its key letter; nine lessons keep the
  // small size, ten take the tall one.
  void f4OpensOnePanelPerLesson() {
    Fixture f(4);
    QVERIFY(f.StudyRange().isVisible());
    QCOMPARE(f.StudyRange().windowTitle(), QString("学習範囲の指定"));
    QCOMPARE(f.StudyRange().size(), QSize(300, 134));
    QCOMPARE(f.StudyRange().minimumSize(), f.StudyRange().maximumSize());
    for (int i = 0; i < 4; ++i) {
      QVERIFY(f.Panel(i)->isVisibleTo(&f.StudyRange()));
      QCOMPARE(f.Colour(f.Panel(i)), kOn);
    }
    QVERIFY(!f.Panel(4)->isVisibleTo(&f.StudyRange()));
    QCOMPARE(f.Caption(3), QString("L3"));
    auto* key = f.StudyRange().findChild<QLabel*>("lblKey2");
    QCOMPARE(key->text(), QString("c"));
    QCOMPARE(f.Colour(key), QColor(0xFF, 0xFF, 0x00));
    QVERIFY(f.Button("btnOn")->geometry().bottom() < 134);
    QVERIFY(f.Button("btnOk")->geometry().bottom() < 134);
    QCOMPARE(f.Button("btnOn")->text(), QString("全選択"));
    QCOMPARE(f.Button("btnOf")->text(), QString("全解除"));

    Fixture nine(9);
    QCOMPARE(nine.StudyRange().size(), QSize(300, 134));
    QVERIFY(nine.Panel(8)->geometry().bottom() < 134);
    Fixture ten(10);
    QCOMPARE(ten.StudyRange().size(), QSize(300, 296));
    Fixture twenty(20);
    QVERIFY(twenty.Panel(19)->isVisibleTo(&twenty.StudyRange()));
    QVERIFY(twenty.Panel(19)->geometry().bottom() < 296);
  }

  // The lesson panels at their places, and each widget showing its
  // control's caption, colours, font size and visibility after a change.
  void everyWidgetMirrorsItsControl() {
    Fixture f(4);
    QCOMPARE(f.Panel(3)->geometry(), QRect(3, 50, 141, 14));
    using namespace ui::mirror;
    test::ExpectEveryWidgetMirrorsItsControl(
        f.StudyRange().Mirrors(), kCaption | kBackground | kTextColor | kPlace | kVisible,
        {"Label1", "btnOn", "btnOf", "btnOk"}, [&] { f.gui.SyncAll(); });
  }

  // A click on a lesson's panel takes it out of the range with a click cue:
  // the panel turns grey, the main window's label silver, the lesson's cells
  // get white borders; a second click puts it back.
  void aClickTogglesALesson() {
    Fixture f(4);
    QTest::mouseClick(f.Panel(1), Qt::LeftButton);
    QCOMPARE(f.t.app.rec.LesSel[1], 0);
    QCOMPARE(f.Played(), std::vector<test::PlayedCue>{kCommand});
    QCOMPARE(f.Colour(f.Panel(1)), kOff);
    QCOMPARE(f.Colour(f.MainLabel(1)), kOff);
    QCOMPARE(f.CellBorder(1), QColor(Qt::white));
    QCOMPARE(f.CellBorder(0), QColor(Qt::black));

    QTest::mouseClick(f.Panel(1), Qt::LeftButton);
    QCOMPARE(f.t.app.rec.LesSel[1], 1);
    QCOMPARE(f.Colour(f.Panel(1)), kOn);
    QCOMPARE(f.Colour(f.MainLabel(1)), QColor(0x53, 0x45, 0x1C));
    QCOMPARE(f.CellBorder(1), QColor(Qt::black));
  }

  // Small letters toggle their lesson; a letter past the last lesson only
  // clicks; capitals and other keys do nothing.
  void letterKeysToggleLessons() {
    Fixture f(4);
    QTest::keyClick(&f.StudyRange(), Qt::Key_C);
    QCOMPARE(f.t.app.rec.LesSel[2], 0);
    QCOMPARE(f.Colour(f.Panel(2)), kOff);
    QCOMPARE(f.Colour(f.MainLabel(2)), kOff);

    QTest::keyClick(&f.StudyRange(), Qt::Key_K);
    QCOMPARE(f.Played().size(), std::size_t{2});
    QCOMPARE(f.t.app.rec.LesSel[10], 0);

    QTest::keyClick(&f.StudyRange(), 'A', Qt::ShiftModifier);
    QTest::keyClick(&f.StudyRange(), Qt::Key_1);
    QCOMPARE(f.t.app.rec.LesSel[0], 1);
    QCOMPARE(f.Played().size(), std::size_t{2});
  }

  // "全解除" takes every lesson out, "全選択" puts them all back.
  void selectAllAndNone() {
    Fixture f(4);
    QTest::mouseClick(f.Button("btnOf"), Qt::LeftButton);
    for (int i = 0; i < 4; ++i) {
      QCOMPARE(f.t.app.rec.LesSel[i], 0);
      QCOMPARE(f.Colour(f.Panel(i)), kOff);
    }
    QTest::mouseClick(f.Button("btnOn"), Qt::LeftButton);
    for (int i = 0; i < 4; ++i) QCOMPARE(f.Colour(f.MainLabel(i)), QColor(0x53, 0x45, 0x1C));
    QCOMPARE(f.Played(), (std::vector<test::PlayedCue>{kCommand, kCommand}));
  }

  // OK hides the window and refreshes the map; Enter is OK too. The title
  // bar's close button only hides it.
  void okAndCloseHideTheWindow() {
    Fixture f(4);
    QTest::mouseClick(f.Button("btnOk"), Qt::LeftButton);
    QVERIFY(!f.StudyRange().isVisible());
    QVERIFY(!f.t.app.frmSel.form.Visible);
    QCOMPARE(f.Played(), (std::vector<test::PlayedCue>{kCommand, kRefresh}));

    f.t.Key(vk::kF4);
    QVERIFY(f.StudyRange().isVisible());
    QTest::keyClick(&f.StudyRange(), Qt::Key_Return);
    QVERIFY(!f.StudyRange().isVisible());

    f.t.Key(vk::kF4);
    f.Played().clear();
    QVERIFY(f.StudyRange().close());
    QVERIFY(!f.t.app.frmSel.form.Visible);
    QVERIFY(f.Played().empty());
  }
};

QTEST_MAIN(RangeViewTest)
#include "StudyRangeViewTest.moc"
