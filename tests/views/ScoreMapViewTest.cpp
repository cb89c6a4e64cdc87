// The score map on the main window: cells painted where the map put them,
// in their fill and border colours, right and bottom edges exclusive.
#include <QImage>
#include <QLabel>
#include <QtTest>
#include <cmath>
#include <set>

#include "tests/support/MemoryRecord.h"
#include "tests/support/TestProgram.h"
#include "ui/Gui.h"
#include "ui/MainWindowView.h"

using namespace vcq;

namespace {

const QColor kWindow(0xFF, 0xE6, 0xB4);
const QColor kNever(0xEE, 0xEE, 0xEA);
const QColor kWrong(0x64, 0xB1, 0xFF);
const QColor kOnce(0xFF, 0xFF, 0x80);
const QColor kMastered(0xFC, 0x56, 0x6F);
const QColor kBlack(0, 0, 0);
const QColor kWhite(0xFF, 0xFF, 0xFF);

}  // namespace

class MapViewTest : public QObject {
  Q_OBJECT

 private:
  struct Fixture {
    test::TestProgram t;
    ui::Gui gui{t.app};
    explicit Fixture(const std::vector<int>& perLesson) {
      t.StartUp();
      test::OpenInMemory(t, perLesson);
      t.app.Guard([] {});  // the views follow, as after F2
    }
    QImage Shot() { return gui.MainWindow().grab().toImage(); }
    QLabel* Label(int i) {
      return gui.MainWindow().findChild<QLabel*>(QStringLiteral("pnl%1").arg(i));
    }
  };

  // The pixels of one cell: outline on its first and last row and column,
  // fill inside, and nothing of it on its right and bottom coordinates.
  static void CheckCell(const QImage& img, const MapRect& r, const QColor& pen,
                        const QColor& fill) {
    const int x2 = r.right - 1, y2 = r.bottom - 1;
    for (QPoint p : {QPoint(r.left, r.top), QPoint(x2, r.top), QPoint(r.left, y2), QPoint(x2, y2),
                     QPoint((r.left + x2) / 2, r.top), QPoint(x2, (r.top + y2) / 2)})
      QCOMPARE(img.pixelColor(p), pen);
    for (QPoint p : {QPoint(r.left + 1, r.top + 1), QPoint(x2 - 1, y2 - 1),
                     QPoint((r.left + x2) / 2, (r.top + y2) / 2)})
      QCOMPARE(img.pixelColor(p), fill);
    QCOMPARE(img.pixelColor(r.right, r.top + 1), kWindow);
    QCOMPARE(img.pixelColor(r.left + 1, r.bottom), kWindow);
  }

 private slots:
  // Given an untried record of two lessons, every cell is pale with a black
  // border at 9-pixel steps from (123,130), the second lesson a row lower;
  // after answers and a lesson taken out of the range, the cells show the
  // levels and the white border once the map is redrawn.
  void normalLayoutPaintsLevelsAndRange() {
    Fixture f({3, 2});
    const MapRect* q0 = test::CellOf(f.t, 0);
    QVERIFY(q0);
    QCOMPARE(QRect(q0->left, q0->top, q0->right - q0->left, q0->bottom - q0->top),
             QRect(123, 130, 7, 12));
    QImage img = f.Shot();
    for (int q = 0; q < 5; ++q) CheckCell(img, *test::CellOf(f.t, q), kBlack, kNever);
    QCOMPARE(test::CellOf(f.t, 2)->left, 141);
    QCOMPARE(test::CellOf(f.t, 3)->top, 144);

    f.t.app.Guard([&] {
      Record& r = f.t.app.rec;
      r.OkLevel[0] = 0;
      r.OkLevel[1] = 1;
      r.OkLevel[2] = 2;
      r.OkLevel[3] = 7;  // no such level: drawn as never answered
      r.LesSel[1] = 0;
      PlaceLesLabels(f.t.app.frmMain.mapCanvas);
      DrawMapCells(f.t.app.frmMain.mapCanvas);
    });
    img = f.Shot();
    CheckCell(img, *test::CellOf(f.t, 0), kBlack, kWrong);
    CheckCell(img, *test::CellOf(f.t, 1), kBlack, kOnce);
    CheckCell(img, *test::CellOf(f.t, 2), kBlack, kMastered);
    CheckCell(img, *test::CellOf(f.t, 3), kWhite, kNever);
    CheckCell(img, *test::CellOf(f.t, 4), kWhite, kNever);
    // The labels sit at the left of each lesson's first row.
    QCOMPARE(f.Label(0)->geometry(), QRect(8, 130, 111, 14));
    QCOMPARE(f.Label(1)->geometry(), QRect(8, 144, 111, 14));
    QCOMPARE(img.pixelColor(10, 145), QColor(0xC0, 0xC0, 0xC0));
    QCOMPARE(img.pixelColor(10, 131), QColor(0x53, 0x45, 0x1C));
  }

  // Given 20 lessons of 30 questions, the map is dense: 5-pixel cells at
  // 7-pixel steps from (123,102), one row per lesson, each label level with
  // its row; the last cell of the last lesson ends at (331,380).
  void denseLayoutPaintsNarrowCells() {
    Fixture f(std::vector<int>(20, 30));
    QVERIFY(f.t.app.frmMain.map.Dense());
    const QImage img = f.Shot();
    const MapRect& last = *test::CellOf(f.t, 599);
    QCOMPARE(QRect(last.left, last.top, last.right - last.left, last.bottom - last.top),
             QRect(326, 368, 5, 12));
    CheckCell(img, last, kBlack, kNever);
    CheckCell(img, *test::CellOf(f.t, 0), kBlack, kNever);
    QCOMPARE(f.Label(0)->geometry().top(), 102);
    QCOMPARE(f.Label(19)->geometry().top(), 368);
    QVERIFY(f.Label(19)->isVisibleTo(&f.gui.MainWindow()));
  }

  // Given the window painted at 1.25, 1.5 and 2 times its size, as under
  // QT_SCALE_FACTOR, every cell's four borders should have one width, the
  // same in every cell, normal and dense layouts alike.
  void bordersHaveOneWidthAtEveryScale() {
    for (const std::vector<int>& lessons : {std::vector<int>{50, 40}, std::vector<int>(20, 30)}) {
      Fixture f(lessons);
      for (qreal scale : {1.25, 1.5, 2.0}) {
        QImage img(f.gui.MainWindow().size() * scale, QImage::Format_RGB32);
        img.setDevicePixelRatio(scale);
        f.gui.MainWindow().render(&img);
        img.setDevicePixelRatio(1);
        std::set<int> widths;
        for (int q = 0; const MapRect* r = test::CellOf(f.t, q); ++q) {
          const int x = static_cast<int>((r->left + r->right) / 2.0 * scale);
          const int y = static_cast<int>((r->top + r->bottom) / 2.0 * scale);
          auto run = [&](QPoint from, QPoint step) {
            int n = 0;
            for (QPoint p = from; img.pixelColor(p) == kBlack; p += step) ++n;
            return n;
          };
          const int left = static_cast<int>(std::lround(r->left * scale));
          const int top = static_cast<int>(std::lround(r->top * scale));
          const int right = static_cast<int>(std::lround(r->right * scale)) - 1;
          const int bottom = static_cast<int>(std::lround(r->bottom * scale)) - 1;
          widths.insert({run({left, y}, {1, 0}), run({right, y}, {-1, 0}), run({x, top}, {0, 1}),
                         run({x, bottom}, {0, -1})});
        }
        QCOMPARE(widths, (std::set<int>{static_cast<int>(std::lround(scale))}));
      }
    }
  }

  // A new record drawn over an old one: the wipe clears the old cells, so
  // nothing of a longer lesson stays on screen.
  void aWipeClearsTheOldCells() {
    Fixture f({50});
    QCOMPARE(f.Shot().pixelColor(123 + 49 * 9, 130), kBlack);
    f.t.app.Guard([&] { test::OpenInMemory(f.t, {2}); });
    const QImage img = f.Shot();
    QCOMPARE(img.pixelColor(123 + 49 * 9, 130), kWindow);
    CheckCell(img, *test::CellOf(f.t, 1), kBlack, kNever);
  }
};

QTEST_MAIN(MapViewTest)
#include "ScoreMapViewTest.moc"
