// The class window on screen: the rows and the class's row, a rate's cell in
// its colour with its number, a message across a row that cannot be read,
// and sorting by a header's click and by the keys, the class's row staying last.
#include <QHeaderView>
#include <QTableWidget>
#include <QtTest>

#include "data/Cp932.h"
#include "screens/ClassTable.h"
#include "tests/support/TextFiles.h"
#include "ui/ClassView.h"
#include "ui/Mirroring.h"

using namespace vcq;

class ClassViewTest : public QObject {
  Q_OBJECT

 private:
  static QString Cell(QTableWidget* g, int row, int col) {
    return g->item(row, col) ? g->item(row, col)->text() : QString();
  }
  static QStringList Column(QTableWidget* g, int col) {
    QStringList out;
    for (int r = 0; r < g->rowCount(); ++r) out << Cell(g, r, col);
    return out;
  }

 private slots:
  void showsSortsAndKeepsTheClassRowLast() {
    const test::TempDir dir;
    // One lesson of two questions.
    test::WriteBytes(dir / "b.dat", test::Lines({"x", "Bank 1 2", "1", "L", "0", "@a", "p", "", "0",
                                                 "@b", "q", ""}));
    const auto record = [&](const char* name, const char* player, const char* q0, const char* q1) {
      test::WriteBytes(dir / name, test::Lines({dir / "b.dat", "Bank", player, "1,2,0,0,0,0", "1",
                                                "1", q0, q1}));
    };
    record("a.ret", "ann", "1,1", "0,-1");  // 0 mastered: 0, evaluation 100
    record("b.ret", "ben", "2,2", "2,2");   // 100, 100
    record("c.ret", "cy", "2,2", "1,0");    // 50, 66
    test::WriteBytes(dir / "d.ret", "not a record");

    ui::ClassView view({dir.path().string()}, ReadClass({dir.path().string()}));
    view.show();
    view.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&view));
    auto grids = view.findChildren<QTableWidget*>("grdClass");
    QCOMPARE(grids.size(), 2);
    // Which tab's table is which: by the first record.
    if (Cell(grids[0], 0, 0) != "a.ret") std::swap(grids[0], grids[1]);
    QTableWidget* g = grids[0];
    QCOMPARE(Column(g, 0), (QStringList{"a.ret", "b.ret", "c.ret", "クラス (3 人)"}));
    QCOMPARE(Cell(g, 3, 2), QString("50 (1)"));
    // ben's mastery rate: the number, on the darkest step, in white.
    QCOMPARE(Cell(g, 1, 5), QString("100"));
    QCOMPARE(g->item(1, 5)->background().color(), ui::Qc(classcolors::HeatOf(100).fill));
    QCOMPARE(g->item(1, 5)->foreground().color(), ui::Qc(classcolors::kHeat[5].text));

    // A click on 評価 sorts rising, a second falling.
    g->horizontalHeader()->sectionClicked(6);
    QCOMPARE(Column(g, 1), (QStringList{"cy", "ann", "ben", "平均 (習得した人数)"}));
    g->horizontalHeader()->sectionClicked(6);
    QCOMPARE(Column(g, 1).first(), QString("ann"));
    // By the keys: the current cell's column (the name), falling.
    g->setCurrentCell(0, 1);
    g->setFocus();
    QTest::keyClick(g, Qt::Key_Down, Qt::ControlModifier);
    QCOMPARE(Column(g, 1), (QStringList{"cy", "ben", "ann", "平均 (習得した人数)"}));

    // A file that is no record: its name, then why, across the row.
    QTableWidget* bad = grids[1];
    QCOMPARE(Cell(bad, 0, 0), QString("d.ret"));
    QVERIFY(Cell(bad, 1, 0).contains("d.ret"));
    QCOMPARE(bad->columnSpan(1, 0), bad->columnCount());
  }
};

QTEST_MAIN(ClassViewTest)
#include "ClassViewTest.moc"
