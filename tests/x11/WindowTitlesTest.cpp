// The titles the window system receives, read back from the X server with
// xprop: each window's title is its caption and nothing more, and the
// program's name is in the window class. Runs on a real X server (Xvfb).
#include <QProcess>
#include <QRegularExpression>
#include <QtTest>

#include "data/Cp932.h"
#include "platform/VirtualKeys.h"
#include "tests/support/MemoryRecord.h"
#include "tests/support/TestProgram.h"
#include "ui/AppIdentity.h"
#include "ui/CongratulationsView.h"
#include "ui/DrillScreenView.h"
#include "ui/Gui.h"
#include "ui/MainWindowView.h"
#include "ui/OptionsView.h"
#include "ui/PlayerNameView.h"
#include "ui/ScoreTableView.h"
#include "ui/SplashView.h"
#include "ui/StudyRangeView.h"

using namespace vcq;

namespace {

// One property of a window as xprop prints it, without its name and quotes.
QString Property(const QWidget& w, const char* name) {
  QProcess xprop;
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.insert("LC_ALL", "C.UTF-8");
  xprop.setProcessEnvironment(env);
  xprop.start("xprop", {"-notype", "-id", QString::number(w.winId()), name});
  if (!xprop.waitForFinished(5000)) return "(xprop did not answer)";
  const QString out = QString::fromUtf8(xprop.readAllStandardOutput()).trimmed();
  const int eq = out.indexOf(" = ");
  return eq < 0 ? out : out.mid(eq + 3);
}

QString Quoted(const QString& s) {
  return '"' + s + '"';
}

}  // namespace

class WindowTitlesTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { ui::SetUpApplication(); }

  // Given every window of the program on screen, the window manager reads
  // each one's caption as its title, without the program's name added.
  void eachWindowIsTitledByItsCaptionAlone() {
    test::TestProgram t;
    ui::Gui gui{t.app};
    t.StartUp();
    test::OpenInMemory(t, {10, 10});
    t.Key(vk::kF6);
    t.Key(vk::kF4);
    t.Key(vk::kF7);
    t.app.frmInput.form.Caption = "VocaraforWindows";
    t.app.frmQues.form.Visible = true;
    t.app.frmOmedeto.form.Visible = true;
    t.app.frmStartPan.form.Visible = true;
    gui.SyncAll();

    const std::vector<std::pair<QWidget*, QString>> windows{
        {&gui.MainWindow(), "MiravelCompany"},
        {&gui.ViewOf<ui::SplashView>(), "MiravelCompany"},
        {&gui.ViewOf<ui::PlayerNameView>(), "VocaraforWindows"},
        {&gui.ViewOf<ui::OptionsView>(), "オプション"},
        {&gui.ViewOf<ui::StudyRangeView>(), "学習範囲の指定"},
        {&gui.ViewOf<ui::ScoreTableView>(), "成績集計表"},
        {&gui.ViewOf<ui::DrillScreenView>(), "MiravelCompany"},
        {&gui.ViewOf<ui::CongratulationsView>(), "やったね。(^_^)v"},
    };
    for (const auto& [w, caption] : windows) {
      w->show();
      QVERIFY(QTest::qWaitForWindowExposed(w));
    }
    QCoreApplication::processEvents();
    for (const auto& [w, caption] : windows) {
      QCOMPARE(Property(*w, "_NET_WM_NAME"), Quoted(caption));
      // The instance is the executable's name; the class is the program's.
      QVERIFY(Property(*w, "WM_CLASS").endsWith(R"(, "vcquick")"));
    }
  }
};

QTEST_MAIN(WindowTitlesTest)
#include "WindowTitlesTest.moc"
