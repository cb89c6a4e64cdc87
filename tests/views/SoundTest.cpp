// The SDL sound adapter on the silent driver, which plays in real time: a
// synchronous cue holds the caller for its length, an asynchronous one does
// not, and a missing file plays nothing.
#include <QtTest>

#include "ui/SdlSound.h"

using namespace vcq;

class SoundTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { qputenv("SDL_AUDIODRIVER", "dummy"); }

  void syncWaitsForTheCueAndAsyncDoesNot() {
    ui::SdlSound sound(VCQ_ASSETS "/sounds");
    int painted = 0;
    sound.beforeBlock = [&] { ++painted; };
    QVERIFY(sound.Usable());
    QElapsedTimer t;

    t.start();
    sound.PlayCue("huku.wav", CueMode::Async);  // about 1 s long
    QVERIFY2(t.elapsed() < 200, qPrintable(QString::number(t.elapsed())));
    QCOMPARE(painted, 0);

    // The fanfare is cut off: the wait is for the new cue only.
    t.start();
    sound.PlayCue("piyo.wav", CueMode::Sync);  // about 270 ms
    const qint64 held = t.elapsed();
    QVERIFY2(held >= 200 && held < 800, qPrintable(QString::number(held)));
    QCOMPARE(painted, 1);
  }

  void aMissingCuePlaysNothing() {
    ui::SdlSound sound(VCQ_ASSETS "/sounds");
    int painted = 0;
    sound.beforeBlock = [&] { ++painted; };
    QElapsedTimer t;
    t.start();
    sound.PlayCue("nosuch.wav", CueMode::Sync);
    QVERIFY(t.elapsed() < 200);
    QCOMPARE(painted, 0);
  }
};

QTEST_MAIN(SoundTest)
#include "SoundTest.moc"
