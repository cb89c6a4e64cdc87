// The player window shown modally through the real dialog port: what the
// learner types reaches TfrmInput, cut to 12 bytes, and Enter, Esc and the
// title bar end it as the core says.
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QtTest>
#include <functional>

#include "app/Program.h"
#include "data/Cp932.h"
#include "tests/support/Fakes.h"
#include "tests/views/MirrorCheck.h"
#include "ui/Gui.h"
#include "ui/MainWindowView.h"
#include "ui/PlayerNameView.h"
#include "ui/QtDialogs.h"

using namespace vcq;

class InputViewTest : public QObject {
  Q_OBJECT

 private:
  struct Fixture {
    test::ManualClock clock;
    test::FixedClock time;
    test::RecordingSound sound;
    ui::QtDialogs dialogs{QString()};
    Program app{Ports{clock, time, sound, dialogs}, Paths{VCQ_ASSETS, "."}};
    ui::Gui gui{app};

    Fixture() {
      dialogs.Attach(&gui.MainWindow(), [this] { return &gui.ViewOf<ui::PlayerNameView>(); });
    }
    QLineEdit* Edit() {
      return gui.ViewOf<ui::PlayerNameView>().findChild<QLineEdit*>("MaskEdit1");
    }

    // Shows the player window as the core does and lets `learner` act in it
    // once it runs; a window left open is closed after a while so that a
    // failing test cannot hang.
    void Run(const std::function<void()>& learner) {
      QTimer::singleShot(0, &gui.ViewOf<ui::PlayerNameView>(), learner);
      QTimer watchdog;
      watchdog.setSingleShot(true);
      QObject::connect(&watchdog, &QTimer::timeout, &gui.ViewOf<ui::PlayerNameView>(), [this] {
        if (gui.ViewOf<ui::PlayerNameView>().isVisible())
          gui.ViewOf<ui::PlayerNameView>().done(QDialog::Rejected);
      });
      watchdog.start(1500);
      app.Guard([&] { app.frmInput.ShowModal(); });
      QVERIFY(watchdog.isActive());
    }
  };

  static void Preedit(QWidget* w, const QString& text) {
    QInputMethodEvent e(text, {});
    QCoreApplication::sendEvent(w, &e);
  }

  static void Commit(QWidget* w, const QString& text) {
    QInputMethodEvent e;
    e.setCommitString(text);
    QCoreApplication::sendEvent(w, &e);
  }

 private slots:
  // The prompt showing its control's caption and text colour after a change.
  void everyWidgetMirrorsItsControl() {
    Fixture f;
    using namespace ui::mirror;
    test::ExpectEveryWidgetMirrorsItsControl(f.gui.ViewOf<ui::PlayerNameView>().Mirrors(),
                                             kCaption | kTextColor, {},
                                             [&] { f.gui.ViewOf<ui::PlayerNameView>().Sync(); });
  }

  // Given seven Japanese characters from the input method, the box keeps the
  // first six (12 bytes); Enter takes them and empties the box.
  void enterTakesTheEntryCutToTwelveBytes() {
    Fixture f;
    QString shown;
    f.Run([&] {
      Commit(f.Edit(), QStringLiteral("あいうえおかき"));
      shown = f.Edit()->text();
      QTest::keyClick(f.Edit(), Qt::Key_Return);
    });
    QCOMPARE(shown, QStringLiteral("あいうえおか"));
    QCOMPARE(f.app.frmInput.InputText, Sj("あいうえおか"));
    QCOMPARE(f.Edit()->text(), QString());
    QVERIFY(!f.gui.ViewOf<ui::PlayerNameView>().isVisible());
    QVERIFY(!f.app.frmInput.form.Visible);
  }

  // Esc cancels and the box keeps its text for the next time; closing by
  // the title bar cancels too.
  void escAndCloseCancelAndKeepTheEntry() {
    Fixture f;
    f.Run([&] {
      QTest::keyClicks(f.Edit(), "Tom");
      Commit(f.Edit(), QStringLiteral("😀한"));
      QTest::keyClick(f.Edit(), Qt::Key_Escape);
    });
    QCOMPARE(f.app.frmInput.InputText, std::string());
    QCOMPARE(f.Edit()->text(), QString("Tom"));
    QCOMPARE(f.app.frmInput.MaskEdit1.Caption, std::string("Tom"));

    QString atShow;
    f.Run([&] {
      atShow = f.Edit()->text();
      QTest::keyClicks(f.Edit(), "my");
      f.gui.ViewOf<ui::PlayerNameView>().close();
    });
    QCOMPARE(atShow, QString("Tom"));
    QCOMPARE(f.app.frmInput.InputText, std::string());
    QVERIFY(!f.gui.ViewOf<ui::PlayerNameView>().isVisible());
  }

  // A name converted by the input method commits into the box; a
  // character with no CP932 form in it is refused there and then, with the
  // error cue and a note in the window, and the note goes with the next
  // good edit. A name at the 12-byte limit is kept whole.
  void theBoxRefusesWhatCp932CannotHoldAndSaysSo() {
    Fixture f;
    QString refused, note, full, noteAfter;
    f.Run([&] {
      Preedit(f.Edit(), QStringLiteral("やまだ"));
      Commit(f.Edit(), QStringLiteral("山田♡"));
      refused = f.Edit()->text();
      note = f.gui.ViewOf<ui::PlayerNameView>().findChild<QLabel*>("lblNote")->text();
      Commit(f.Edit(), QStringLiteral("花子さん"));
      full = f.Edit()->text();
      noteAfter = f.gui.ViewOf<ui::PlayerNameView>().findChild<QLabel*>("lblNote")->text();
      QTest::keyClick(f.Edit(), Qt::Key_Return);
    });
    QCOMPARE(refused, QStringLiteral("山田"));
    QCOMPARE(note, QStringLiteral("この文字は使えません"));
    QCOMPARE(f.sound.played.size(), std::size_t{1});
    QCOMPARE(full, QStringLiteral("山田花子さん"));
    QCOMPARE(noteAfter, QString());
    QCOMPARE(f.app.frmInput.InputText, Sj("山田花子さん"));
  }

  // The OK button is the default one and ends the window like Enter.
  void okButtonTakesTheEntry() {
    Fixture f;
    f.Run([&] {
      QTest::keyClicks(f.Edit(), "Ann");
      QTest::mouseClick(f.gui.ViewOf<ui::PlayerNameView>().findChild<QWidget*>("BitBtn1"),
                        Qt::LeftButton);
    });
    QCOMPARE(f.app.frmInput.InputText, std::string("Ann"));
    QCOMPARE(f.gui.ViewOf<ui::PlayerNameView>().size(), QSize(216, 146));
  }
};

QTEST_MAIN(InputViewTest)
#include "PlayerNameViewTest.moc"
