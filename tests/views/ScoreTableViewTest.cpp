// The score table on screen: F7 shows the grid with its headers and one row
// per lesson, fixed cells in their colour, nothing editable.
#include <QHeaderView>
#include <QPushButton>
#include <QScrollBar>
#include <QTableWidget>
#include <QtTest>

#include "platform/VirtualKeys.h"
#include "tests/support/CueTable.h"
#include "tests/support/MemoryRecord.h"
#include "tests/support/TestProgram.h"
#include "tests/views/MirrorCheck.h"
#include "ui/Gui.h"
#include "ui/ScoreTableView.h"

using namespace vcq;

class TableViewTest : public QObject {
  Q_OBJECT

 private:
  struct Fixture {
    test::TestProgram t;
    ui::Gui gui{t.app};
    explicit Fixture(const std::vector<int>& perLesson) {
      t.StartUp();
      test::OpenInMemory(t, perLesson);
    }
    ui::ScoreTableView& View() { return gui.ViewOf<ui::ScoreTableView>(); }
    QString Cell(int row, int col) { return View().CellText(row, col); }
    QStringList Row(int row) {
      QStringList out;
      for (int c = 0; c < 5; ++c) out << Cell(row, c);
      return out;
    }
  };

 private slots:
  // The grid and OK at their places and OK's caption after a change.
  void everyWidgetMirrorsItsControl() {
    Fixture f({4, 2});
    f.t.Key(vk::kF7);
    using namespace ui::mirror;
    test::ExpectEveryWidgetMirrorsItsControl(f.View().Mirrors(), kCaption | kPlace, {"btnOK"},
                                             [&] { f.gui.SyncAll(); });
  }

  // Given a lesson of four questions at levels 2, 2, 1, -1 with 2, 3, 1, 0
  // answers and an untried lesson of two, F7 shows the window with the
  // headers and the figures 4 2 50 83 and 2 0 0 0.
  void f7ShowsTheTable() {
    Fixture f({4, 2});
    Record& r = f.t.app.rec;
    const int levels[] = {2, 2, 1, -1};
    const int answers[] = {2, 3, 1, 0};
    for (int q = 0; q < 4; ++q) {
      r.OkLevel[q] = levels[q];
      r.AnsCount[q] = answers[q];
    }
    f.t.sound.played.clear();
    f.t.Key(vk::kF7);
    QVERIFY(f.View().isVisible());
    QCOMPARE(f.View().windowTitle(), QString("成績集計表"));
    QCOMPARE(f.View().size(), QSize(327, 264));
    QCOMPARE(f.View().minimumSize(), f.View().maximumSize());
    QCOMPARE(f.Row(0), (QStringList{"", "題数", "習得数", "習得率", "評価"}));
    QCOMPARE(f.Row(1), (QStringList{"L0", "4", "2", "50", "83"}));
    QCOMPARE(f.Row(2), (QStringList{"L1", "2", "0", "0", "0"}));

    QTableWidget& g = f.View().Grid();
    QCOMPARE(g.geometry(), QRect(5, 7, 316, 210));
    QCOMPARE(g.rowCount(), 2);
    QCOMPARE(g.columnCount(), 4);
    QCOMPARE(g.columnWidth(0), 60);
    QCOMPARE(g.verticalHeader()->width(), 60);
    for (int c = 0; c < 4; ++c) QVERIFY(!(g.item(0, c)->flags() & Qt::ItemIsEditable));
    QCOMPARE(g.editTriggers(), QAbstractItemView::NoEditTriggers);
    QCOMPARE(f.View().findChild<QPushButton*>("btnOK")->geometry(), QRect(212, 229, 75, 25));

    // The fixed cells in their colour, the others white.
    const QImage img = f.View().grab().toImage();
    const QPoint grid = g.geometry().topLeft();
    const QPoint header = g.horizontalHeader()->mapTo(&f.View(), QPoint(70, 5));
    const QPoint name = g.verticalHeader()->mapTo(&f.View(), QPoint(30, 20));
    const QPoint cell = g.viewport()->mapTo(&f.View(), QPoint(55, 20));
    QVERIFY(g.viewport()->geometry().contains(cell - grid));
    QCOMPARE(img.pixelColor(header), QColor(0xA9, 0xD5, 0xD6));
    QCOMPARE(img.pixelColor(name), QColor(0xA9, 0xD5, 0xD6));
    QCOMPARE(img.pixelColor(cell), QColor(Qt::white));
    QCOMPARE(img.pixelColor(2, 2), QColor(0x69, 0xB6, 0xB8));
  }

  // Twenty lessons do not fit: the rows scroll under the fixed header row.
  void manyLessonsScroll() {
    Fixture f(std::vector<int>(20, 3));
    f.t.Key(vk::kF7);
    QTableWidget& g = f.View().Grid();
    QCOMPARE(g.rowCount(), 20);
    QCOMPARE(f.Cell(20, 0), QString("L19"));
    QVERIFY(g.verticalScrollBar()->maximum() > 0);
    QVERIFY(g.horizontalHeader()->isVisibleTo(&g));
  }

  // OK hides the table and refreshes the map; F7 again tallies afresh.
  void okHidesAndF7Refills() {
    Fixture f({3});
    f.t.Key(vk::kF7);
    QCOMPARE(f.Cell(1, 2), QString("0"));
    f.t.sound.played.clear();
    QTest::mouseClick(f.View().findChild<QPushButton*>("btnOK"), Qt::LeftButton);
    QVERIFY(!f.View().isVisible());
    QCOMPARE(f.t.sound.played, std::vector<test::PlayedCue>{test::cues::kRefresh});

    f.t.app.rec.OkLevel[1] = 2;
    f.t.app.rec.AnsCount[1] = 2;
    f.t.Key(vk::kF7);
    QVERIFY(f.View().isVisible());
    QCOMPARE(f.Row(1), (QStringList{"L0", "3", "1", "33", "100"}));

    QVERIFY(f.View().close());
    QVERIFY(!f.t.app.frmScoreTable.form.Visible);
  }
};

QTEST_MAIN(TableViewTest)
#include "ScoreTableViewTest.moc"
