// The drill screen on screen: laid over the main window by F5, keys from the
// window reaching the typed answer, the correction shown in colour, the
// choice panels under the mouse and the digit keys, and the ways back to
// the main window.
#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QtTest>

#include "data/Cp932.h"
#include "tests/support/ChoiceDrill.h"
#include "tests/support/CueTable.h"
#include "tests/support/DrillBanks.h"
#include "tests/support/DrillDriver.h"
#include "tests/support/TextFiles.h"
#include "tests/views/DrillWindowFixture.h"
#include "tests/views/MirrorCheck.h"
#include "ui/DrillScreenView.h"
#include "ui/Gui.h"
#include "ui/MainWindowView.h"

using namespace vcq;

namespace {

using test::cues::kKey;

QColor Background(const QWidget* w) {
  return w->autoFillBackground() ? w->palette().color(QPalette::Window) : QColor();
}
QColor TextColor(const QWidget* w) {
  return w->palette().color(QPalette::WindowText);
}

}  // namespace

class DrillViewTest : public QObject {
  Q_OBJECT

 private:
  struct Fixture : test::DrillWindowFixture {
    explicit Fixture(const std::string& bank) : DrillWindowFixture(bank) { d.sound().clear(); }
    void StartDrill() {
      PressF5();
      d.sound().clear();
    }
    QWidget& DrillScreen() { return gui.ViewOf<ui::DrillScreenView>(); }
    template <typename T = QWidget>
    T* Child(const QString& name) {
      T* w = gui.ViewOf<ui::DrillScreenView>().findChild<T*>(name);
      if (!w) qFatal("no control %s", qPrintable(name));
      return w;
    }
    QString Text(const QString& name) { return Child<QLabel>(name)->text(); }
    bool Shown(const QString& name) {
      return Child(name)->isVisibleTo(&gui.ViewOf<ui::DrillScreenView>());
    }
    TfrmQues& core() { return d.t.app.frmQues; }
  };

  static std::string Typed() { return test::TypedBank({"I @go home", "you @come"}); }

 private slots:
  // Given the main window moved away from the centre, F5 should lay the
  // drill screen exactly over it, every control at its place, with the keys
  // going to the screen itself and no input method.
  void f5LaysTheScreenOverTheMainWindow() {
    Fixture f(Typed());
    f.gui.MainWindow().move(123, 87);
    QTest::keyClick(&f.gui.MainWindow(), Qt::Key_F5);
    QVERIFY(f.DrillScreen().isVisible());
    QVERIFY(f.gui.MainWindow().isVisible());
    QCOMPARE(f.DrillScreen().pos(), f.gui.MainWindow().pos());
    QCOMPARE(f.DrillScreen().size(), QSize(593, 423));
    QCOMPARE(f.DrillScreen().minimumSize(), f.DrillScreen().maximumSize());
    QCOMPARE(f.DrillScreen().windowTitle(), QString("MiravelCompany"));
    QVERIFY(f.DrillScreen().parentWidget() == nullptr);
    QCOMPARE(Background(&f.DrillScreen()), QColor(0xEE, 0xEE, 0xEA));

    QCOMPARE(Background(f.Child("SpeedBar")), QColor(0xB9, 0xA5, 0x87));
    QCOMPARE(f.Child("pnlQuit")->toolTip(), QString("章の目次に戻る"));
    QCOMPARE(f.Child<QFrame>("pnlQues")->frameStyle(), QFrame::Panel | QFrame::Sunken);
    QCOMPARE(f.Child("lblTen")->font().family(), QFont("Times New Roman").family());
    QVERIFY(f.Child("lblTen")->font().italic() && f.Child("lblTen")->font().underline());

    // The settings area until the first question; the status lines filled.
    QVERIFY(f.Shown("pnlInf"));
    QVERIFY(!f.Shown("pnlSel") && !f.Shown("imgMouse") && !f.Shown("s0"));
    QCOMPARE(f.Text("pnlHint"), QString("１字表示していません"));
    QCOMPARE(f.Text("pnlFlash"), QString("ﾌﾗｯｼｭ表示していません"));

    QVERIFY(!f.DrillScreen().testAttribute(Qt::WA_InputMethodEnabled));
    // The answer gap holds the focus for a screen reader; nothing else can.
    QCOMPARE(f.DrillScreen().focusProxy(), f.Child("answerGap"));
    for (QWidget* w : f.DrillScreen().findChildren<QWidget*>()) {
      if (w->window() != &f.DrillScreen()) continue;  // the congratulations window
      QVERIFY2(w->focusPolicy() == (w->objectName() == "answerGap" ? Qt::StrongFocus : Qt::NoFocus),
               qPrintable(w->objectName()));
      QVERIFY2(!w->testAttribute(Qt::WA_InputMethodEnabled), qPrintable(w->objectName()));
    }
  }

  // Every control of the screen at its place, and each widget showing its
  // control's caption, colours, font size and visibility after a change.
  void everyWidgetMirrorsItsControl() {
    Fixture f(Typed());
    f.StartDrill();
    QCOMPARE(f.Child("SpeedBar")->geometry(), QRect(1, 0, 590, 57));
    QCOMPARE(f.Child("pnlQuit")->geometry(), QRect(6, 2, 36, 36));
    QCOMPARE(f.Child("pnlQues")->geometry(), QRect(11, 76, 569, 107));
    QCOMPARE(f.Child("pnlMes")->geometry(), QRect(337, 83, 230, 22));
    QCOMPARE(f.Child("lox7")->geometry(), QRect(169, 96, 24, 19));
    QCOMPARE(f.Child("a4")->pos(), QPoint(35, 136));
    QCOMPARE(f.Child("s8")->geometry(), QRect(4, 192, 237, 23));
    using namespace ui::mirror;
    test::ExpectEveryWidgetMirrorsItsControl(
        f.gui.ViewOf<ui::DrillScreenView>().Mirrors(),
        kCaption | kBackground | kTextColor | kFontSize | kPlace | kVisible | kFitText, {},
        [&] { f.gui.SyncAll(); });
  }

  // Given the first question waiting, typed letters should show in w2 and
  // each key-down click; a wrong Enter then shows the answer in red, the
  // explanation and "直しです" on the pink strip, and the character's
  // wrong-answer frames.
  void typedKeysReachTheAnswerAndAWrongOneIsCorrected() {
    Fixture f(Typed());
    f.StartDrill();
    QCOMPARE(f.Text("w1"), QString("問 0"));
    QCOMPARE(f.Text("w3"), QString("I (    ) home "));
    QCOMPARE(f.Text("lblMes"), QString("答を入れてください"));
    QCOMPARE(f.Text("lblTestCnt"), QString("第 1 回"));
    QCOMPARE(f.Text("lblDName"), QString("Typed"));
    QVERIFY(f.Shown("lblDName"));

    QTest::keyClicks(&f.DrillScreen(), "gx");
    QCOMPARE(f.Text("w2"), QString("gx"));
    QCOMPARE(f.d.sound(), (std::vector<test::PlayedCue>{kKey, kKey}));
    QTest::keyClick(&f.DrillScreen(), Qt::Key_Backspace);
    QCOMPARE(f.Text("w2"), QString("g"));
    // Tab is a drill key like any other, not a move to another widget.
    f.d.sound().clear();
    QTest::keyClick(&f.DrillScreen(), Qt::Key_Tab);
    QCOMPARE(f.d.sound(), (std::vector<test::PlayedCue>{kKey}));

    QTest::keyClick(&f.DrillScreen(), Qt::Key_Return);
    QCOMPARE(f.Text("w3"), QString("I (go) home "));
    QCOMPARE(TextColor(f.Child("w3")), QColor(Qt::red));
    QCOMPARE(f.Text("lblMes"), QString("直しです"));
    QCOMPARE(TextColor(f.Child("lblMes")), QColor(Qt::white));
    QCOMPARE(Background(f.Child("pnlMes")), QColor(0xE8, 0xA6, 0xCA));
    QCOMPARE(f.Text("lblAnsAbout"), QString("説明 0"));
    QVERIFY(f.Shown("a0"));
    QCOMPARE(f.Text("a0"), QString(" g"));
    QVERIFY(f.Child("a0")->width() > 0);

    f.d.t.clock.Advance(600);
    QCOMPARE(f.core().EsperPicture, 4);
    const QImage u4(QString(VCQ_ASSETS) + "/pictures/u4.bmp");
    QCOMPARE(f.Child<QLabel>("imgEsper")->pixmap().toImage().convertToFormat(u4.format()), u4);

    // The correction typed right ends the question: its mark is a cross.
    QTest::keyClicks(&f.DrillScreen(), "go");
    QTest::keyClick(&f.DrillScreen(), Qt::Key_Return);
    f.d.SettleAnimations();
    QVERIFY(f.Shown("lox0"));
    QCOMPARE(f.Text("lox0"), QString("×"));
    QCOMPARE(f.Text("w1"), QString("問 1"));
    QCOMPARE(f.Text("lblNgs"), QString("1"));
  }

  // Esc leaves for the main window, which gets the keys back; F5 there
  // shows the screen again.
  void escReturnsToTheMainWindow() {
    Fixture f(Typed());
    f.StartDrill();
    f.DrillScreen().activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&f.DrillScreen()));
    QTest::keyClick(&f.DrillScreen(), Qt::Key_Escape);
    QVERIFY(!f.DrillScreen().isVisible());
    QVERIFY(f.gui.MainWindow().isVisible());
    QVERIFY(!f.core().form.Visible);
    QTRY_COMPARE(QApplication::activeWindow(), &f.gui.MainWindow());

    QTest::keyClick(&f.gui.MainWindow(), Qt::Key_F5);
    QVERIFY(f.DrillScreen().isVisible());
    // The question of the last drill stays until the next batch begins.
    QCOMPARE(f.Text("w1"), QString("問 0"));
  }

  // The quit panel and the title bar's close button both leave through the
  // quit path: its cue, the question cleared.
  void quitPanelAndCloseButtonLeave() {
    Fixture f(Typed());
    f.StartDrill();
    QTest::mouseClick(f.Child("pnlQuit"), Qt::LeftButton);
    QVERIFY(!f.DrillScreen().isVisible());
    QCOMPARE(f.d.sound(), (std::vector<test::PlayedCue>{{"button.wav", CueMode::Sync}}));
    QCOMPARE(f.Text("w1"), QString());

    f.StartDrill();
    QVERIFY(f.DrillScreen().isVisible());
    QVERIFY(f.DrillScreen().close());
    QVERIFY(!f.core().form.Visible);
    QVERIFY(!f.DrillScreen().isVisible());
    QCOMPARE(f.d.sound(), (std::vector<test::PlayedCue>{{"button.wav", CueMode::Sync}}));
    QCOMPARE(f.Text("w1"), QString());
  }

  // Given a choice question, a button held on a panel should light it, the
  // release over it pick, and a hidden panel take no click; a held digit
  // lights its panel through X11's repeated releases until the real one.
  void choicePanelsTakeTheMouseAndTheDigits() {
    Fixture f(test::ChoiceBank(
        {{0, "go went gone", "I @went home"}, {0, "come came comes", "you @came"}}));
    f.StartDrill();
    QVERIFY(f.Shown("pnlSel") && f.Shown("imgMouse"));
    QVERIFY(!f.Shown("pnlInf"));
    QVERIFY(f.Shown("s2") && !f.Shown("s3"));
    QCOMPARE(f.Text("w3"), QString("I (       ) home "));

    // Panel s5 is hidden: a click there reaches nothing.
    QTest::mouseClick(f.Child("s5"), Qt::LeftButton);
    QVERIFY(f.d.sound().empty());

    const int wrong = test::WrongPanel(f.d.t.app.drill);
    const QString name = QStringLiteral("s%1").arg(wrong);
    QTest::mousePress(f.Child(name), Qt::LeftButton);
    QCOMPARE(Background(f.Child(name)), QColor(0xFF, 0x80, 0xFF));
    QTest::mouseRelease(f.Child(name), Qt::LeftButton);
    QCOMPARE(Background(f.Child(name)), QColor(0xFF, 0xFF, 0xFA));
    QCOMPARE(f.d.sound(), (std::vector<test::PlayedCue>{kKey, {"oldng.wav", CueMode::Sync}}));
    QCOMPARE(TextColor(f.Child("w3")), QColor(Qt::red));
    QCOMPARE(f.Text("w3"), QString("I (went) home "));
    QCOMPARE(f.Text("lblMes"), QString("直しです"));
    f.d.SettleAnimations();

    const int right = test::RightPanel(f.d.t.app.drill);
    const QString rightName = QStringLiteral("s%1").arg(right);
    const auto digit = static_cast<Qt::Key>(Qt::Key_1 + right);
    const QString digitText = QString::number(right + 1);
    QTest::keyPress(&f.DrillScreen(), digit);
    QKeyEvent repeatUp(QEvent::KeyRelease, digit, Qt::NoModifier, digitText, true);
    QApplication::sendEvent(&f.DrillScreen(), &repeatUp);
    QVERIFY(!f.Shown(rightName));  // a right pick hides the choices
    QCOMPARE(f.core().s[right].Color, (Rgb{0xFF, 0x80, 0x80}));
    QTest::keyRelease(&f.DrillScreen(), digit);
    QCOMPARE(f.core().s[right].Color, (Rgb{0xFF, 0xFF, 0xFA}));
  }
};

QTEST_MAIN(DrillViewTest)
#include "DrillScreenViewTest.moc"
