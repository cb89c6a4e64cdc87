// The Qt adapters of the ports and the key translation.
#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>
#include <QMessageBox>
#include <QTimer>

#include <QApplication>
#include <QImage>
#include <QKeyEvent>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextDocument>
#include <QtTest>
#include <functional>

#include "data/Cp932.h"
#include "platform/VirtualKeys.h"
#include "ui/HelpWindow.h"
#include "ui/KeyTranslation.h"
#include "ui/QtDialogs.h"
#include "ui/QtTimerPort.h"
#include "ui/SystemClock.h"
#include "ui/TextConversion.h"

using namespace vcq;

class AdaptersTest : public QObject {
  Q_OBJECT

 private slots:
  // Given three timers, only the enabled one with an interval ticks.
  void onlyEnabledTimersWithAnIntervalTick() {
    ui::QtTimerPort port;
    int on = 0, off = 0, zero = 0;
    auto a = port.NewTimer(10, true, [&] { ++on; });
    auto b = port.NewTimer(10, false, [&] { ++off; });
    auto c = port.NewTimer(0, true, [&] { ++zero; });
    QTRY_VERIFY_WITH_TIMEOUT(on >= 3, 1000);
    a->SetEnabled(false);
    const int stopped = on;
    QTest::qWait(40);
    QCOMPARE(on, stopped);
    QCOMPARE(off, 0);
    QCOMPARE(zero, 0);
    QVERIFY(c->Enabled() && c->Interval() == 0);
  }

  // Re-enabling a timer, or giving it another interval, counts the whole
  // interval again from that moment.
  void enablingOrRetimingRestartsTheCount() {
    ui::QtTimerPort port;
    QElapsedTimer since;
    qint64 firstTick = -1;
    auto t = port.NewTimer(120, true, [&] {
      if (firstTick < 0) firstTick = since.elapsed();
    });
    QTest::qWait(60);
    t->SetEnabled(false);
    t->SetEnabled(true);
    since.start();
    QTRY_VERIFY_WITH_TIMEOUT(firstTick >= 0, 1000);
    QVERIFY2(firstTick >= 110, qPrintable(QString::number(firstTick)));

    firstTick = -1;
    QTest::qWait(60);
    t->SetInterval(100);
    since.start();
    QTRY_VERIFY_WITH_TIMEOUT(firstTick >= 0, 1000);
    QVERIFY2(firstTick >= 90, qPrintable(QString::number(firstTick)));
  }

  // A tick may switch off or destroy its own timer, as the start-up timer does.
  void aTickMayEndItsOwnTimer() {
    ui::QtTimerPort port;
    int ticks = 0, gone = 0;
    std::unique_ptr<Timer> self;
    self = port.NewTimer(5, true, [&] {
      ++ticks;
      self->SetEnabled(false);
    });
    std::unique_ptr<Timer> doomed;
    doomed = port.NewTimer(5, true, [&] {
      ++gone;
      doomed.reset();
    });
    QTest::qWait(60);
    QCOMPARE(ticks, 1);
    QCOMPARE(gone, 1);
  }

  void systemClockIsUtc() {
    const QTime before = QDateTime::currentDateTimeUtc().time();
    const TimeOfDay t = ui::SystemClock().NowUtc();
    const QTime now(t.hour, t.minute, t.second, t.millisecond);
    QVERIFY(now.isValid());
    // Qt rounds to the millisecond where the adapter floors, so Qt may read
    // up to 1 ms later; a test run across midnight wraps.
    const int diff = (before.msecsTo(now) + 86'400'000) % 86'400'000;
    QVERIFY2(diff < 2000 || diff >= 86'400'000 - 1, qPrintable(QString::number(diff)));
  }

  void fileFiltersInQtForm() {
    QCOMPARE(ui::QtFilter("問題 | *.dat"), QString("問題 (*.dat)"));
    QCOMPARE(ui::QtFilter("成績 |*.ret"), QString("成績 (*.ret)"));
    QCOMPARE(ui::QtFilter("Text|*.txt;*.dat|All|*.*"), QString("Text (*.txt *.dat);;All (*.*)"));
  }

  // Given a question with three choices, Enter and Esc should both answer the
  // last, the one that risks nothing; a click, the button clicked.
  void aQuestionWithChoicesDefaultsToTheLast() {
    ui::QtDialogs dialogs{QString()};
    auto answer = [&](std::function<void(QMessageBox*)> act) {
      QTimer::singleShot(0, [act] {
        for (QWidget* w : QApplication::topLevelWidgets())
          if (auto* box = qobject_cast<QMessageBox*>(w); box && box->isVisible()) act(box);
      });
      return dialogs.AskChoice("?", {"別の場所に保存...", "はい", "いいえ"});
    };
    QCOMPARE(answer([](QMessageBox* b) { QTest::keyClick(b, Qt::Key_Return); }), std::size_t{2});
    QCOMPARE(answer([](QMessageBox* b) { QTest::keyClick(b, Qt::Key_Escape); }), std::size_t{2});
    QCOMPARE(answer([](QMessageBox* b) {
               for (QAbstractButton* button : b->buttons())
                 if (button->text() == QStringLiteral("別の場所に保存...")) button->click();
             }),
             std::size_t{0});
  }

  // Given the help document in its window, at the usual font size and at
  // one and a half times it, no line of it should be wider than the window:
  // no paragraph runs past the right edge behind a horizontal scroll bar;
  // and every picture it names is beside it and reads as a picture.
  void theHelpFitsItsWindow() {
    ui::HelpWindow window(qEnvironmentVariable("VCQ_ASSET_DIR") + "/help/vcq10.html");
    ui::HelpBrowser& help = window.Browser();
    for (qreal scale : {1.0, 1.5}) {
      QFont font = QApplication::font();
      font.setPointSizeF(font.pointSizeF() * scale);
      help.setFont(font);
      window.ShowContents();
      QVERIFY(help.toPlainText().contains("CSV"));
      QApplication::processEvents();
      QVERIFY2(help.document()->idealWidth() <= help.viewport()->width(),
               qPrintable(QString::number(help.document()->idealWidth())));
      QCOMPARE(help.horizontalScrollBar()->maximum(), 0);
    }
    int pictures = 0;
    for (QTextBlock b = help.document()->begin(); b.isValid(); b = b.next())
      for (auto f = b.begin(); !f.atEnd(); ++f)
        if (const QTextImageFormat image = f.fragment().charFormat().toImageFormat();
            image.isValid()) {
          ++pictures;
          const QVariant bytes = help.loadResource(QTextDocument::ImageResource, image.name());
          QVERIFY2(!QImage::fromData(bytes.toByteArray()).isNull(), qPrintable(image.name()));
        }
    QVERIFY(pictures > 0);
  }

  void typedTextDropsWhatCp932Lacks() {
    QCOMPARE(ui::Cp932Of(QStringLiteral("aあ😀ｱ한b")), std::string("a") + Sj("あｱ") + "b");
  }

  void keys_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("vk");
    QTest::addColumn<int>("typed");  // -1: none
    const int none = Qt::NoModifier;
    QTest::newRow("F1") << int(Qt::Key_F1) << none << "" << vk::kF1 << -1;
    QTest::newRow("F9") << int(Qt::Key_F9) << none << "" << vk::kF9 << -1;
    QTest::newRow("F12") << int(Qt::Key_F12) << none << "" << vk::kF12 << -1;
    QTest::newRow("a") << int(Qt::Key_A) << none << "a" << int('A') << int('a');
    QTest::newRow("shift z") << int(Qt::Key_Z) << int(Qt::ShiftModifier) << "Z" << int('Z')
                             << int('Z');
    QTest::newRow("7") << int(Qt::Key_7) << none << "7" << int('7') << int('7');
    QTest::newRow("keypad 7") << int(Qt::Key_7) << int(Qt::KeypadModifier) << "7" << 0x67
                              << int('7');
    QTest::newRow("return") << int(Qt::Key_Return) << none << "\r" << vk::kReturn << int('\r');
    QTest::newRow("enter") << int(Qt::Key_Enter) << int(Qt::KeypadModifier) << "\r" << vk::kReturn
                           << int('\r');
    QTest::newRow("esc") << int(Qt::Key_Escape) << none << "\x1b" << vk::kEscape << 27;
    QTest::newRow("backspace") << int(Qt::Key_Backspace) << none << "\b" << vk::kBack << 8;
    QTest::newRow("delete") << int(Qt::Key_Delete) << none << "\x7f" << vk::kDelete << -1;
    QTest::newRow("page down") << int(Qt::Key_PageDown) << none << "" << vk::kNext << -1;
    QTest::newRow("left") << int(Qt::Key_Left) << none << "" << vk::kLeft << -1;
    QTest::newRow("shift") << int(Qt::Key_Shift) << int(Qt::ShiftModifier) << "" << vk::kShift
                           << -1;
    QTest::newRow("space") << int(Qt::Key_Space) << none << " " << vk::kSpace << int(' ');
    QTest::newRow("apostrophe") << int(Qt::Key_Apostrophe) << none << "'" << 0 << int('\'');
    QTest::newRow("half-width ka") << int(Qt::Key_unknown) << none << "ｶ" << 0 << 0xB6;
    QTest::newRow("hiragana") << int(Qt::Key_unknown) << none << "あ" << 0 << -1;
  }

  void keys() {
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(QString, text);
    QFETCH(int, vk);
    QFETCH(int, typed);
    const QKeyEvent e(QEvent::KeyPress, key, Qt::KeyboardModifiers(modifiers), text);
    const ui::KeyStroke k = ui::TranslateKey(e);
    QCOMPARE(k.vk, vk);
    QCOMPARE(k.typed ? int(static_cast<unsigned char>(*k.typed)) : -1, typed);
  }
};

QTEST_MAIN(AdaptersTest)
#include "AdaptersTest.moc"
