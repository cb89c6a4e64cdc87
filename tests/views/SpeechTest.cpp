// The real voice: espeak-ng synthesizing into a buffer, played on the sound's
// voice channel beside the cues (on SDL's silent driver, which plays in real
// time), and the learner's settings file that turns it on.
#include <QTemporaryDir>
#include <QtTest>

#include "platform/Speech.h"
#include "ui/EspeakSpeech.h"
#include "ui/EspeakSynth.h"
#include "ui/LearnerSettings.h"
#include "ui/SdlSound.h"

using namespace vcq;

class SpeechTest : public QObject {
  Q_OBJECT

 private slots:
  // "Nice to meet you." at the learners' pace: a second or so of sound, not
  // silence, in well under a tenth of a second.
  void synthesizesAShortSentence() {
    QElapsedTimer t;
    t.start();
    const ui::Pcm pcm = ui::SynthesizeEnglish("Nice to meet you.");
    QVERIFY(pcm.rate > 0);
    QVERIFY2(pcm.Seconds() > 0.5 && pcm.Seconds() < 3.0,
             qPrintable(QString::number(pcm.Seconds())));
    const auto loud = std::count_if(pcm.samples.begin(), pcm.samples.end(),
                                    [](std::int16_t s) { return s > 2000 || s < -2000; });
    QVERIFY(loud > 1000);
    // A slower voice than espeak-ng's own: the same words take longer.
    QVERIFY(ui::SynthesizeEnglish("Nice to meet you. Nice to meet you.").Seconds() >
            1.8 * pcm.Seconds());
  }

  // The voice plays on while cues come and go, ends by itself, and stops
  // at once when told.
  void theVoiceHasItsOwnChannel() {
    ui::SdlSound sound(VCQ_ASSETS "/sounds");
    ui::EspeakSpeech voice(sound);
    QVERIFY(!voice.Speaking());
    voice.StopSpeaking();  // before the first sentence: nothing to stop, nothing loaded
    voice.Speak("Nice to meet you.");
    QVERIFY(voice.Speaking());
    sound.PlayCue("piyo.wav", CueMode::Sync);
    sound.PlayCue("button2.wav", CueMode::Async);
    QVERIFY(voice.Speaking());
    QTRY_VERIFY_WITH_TIMEOUT(!voice.Speaking(), 4000);

    voice.Speak("I have a lot of homework today.");
    QVERIFY(voice.Speaking());
    voice.StopSpeaking();
    QVERIFY(!voice.Speaking());
  }

  // The setting is off in a new settings file, and once written it is read
  // back from ~/.config/vcquick/vcquick.conf (XDG_CONFIG_HOME here).
  void theSettingsFileKeepsTheSetting() {
    QTemporaryDir home;
    qputenv("XDG_CONFIG_HOME", home.path().toUtf8());
    {
      ui::LearnerSettings s;
      QVERIFY(!s.ReadAloud());
      s.SetReadAloud(true);
    }
    const QString file = home.filePath("vcquick/vcquick.conf");
    QVERIFY(QFile::exists(file));
    QVERIFY(ui::LearnerSettings().ReadAloud());
    QVERIFY(ui::LearnerSettings(file).ReadAloud());
    ui::LearnerSettings(file).SetReadAloud(false);
    QVERIFY(!ui::LearnerSettings().ReadAloud());
    qunsetenv("XDG_CONFIG_HOME");
  }
};

QTEST_MAIN(SpeechTest)
#include "SpeechTest.moc"
