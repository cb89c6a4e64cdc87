// VCQuick: the core program on Qt widgets, Qt timers and SDL sound.

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QIcon>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "app/BankCheck.h"
#include "app/Program.h"
#include "ui/AppIdentity.h"
#include "ui/Gui.h"
#include "ui/InputView.h"
#include "ui/MainView.h"
#include "ui/QtDialogs.h"
#include "ui/QtTimerPort.h"
#include "ui/SdlSound.h"
#include "ui/SystemClock.h"

namespace {

// The cues, pictures and help beside the program: <exe>/assets in the build
// tree, <prefix>/share/vcquick once installed; VCQ_ASSET_DIR overrides both.
QString FindAssetDir() {
  const QString fromEnv = qEnvironmentVariable("VCQ_ASSET_DIR");
  if (!fromEnv.isEmpty()) return QDir(fromEnv).absolutePath();
  const QDir exe(QCoreApplication::applicationDirPath());
  const QString built = exe.filePath("assets");
  if (QFileInfo(built).isDir()) return built;
  const QString installed = QDir::cleanPath(exe.filePath("../share/vcquick"));
  if (QFileInfo(installed).isDir()) return installed;
  return built;
}

}  // namespace

int main(int argc, char** argv) {
  // vcquick --check FILE...: a bank author's check, without a window.
  if (argc >= 2 && std::strcmp(argv[1], "--check") == 0) {
    if (argc == 2) {
      std::fputs("usage: vcquick --check FILE.dat...\n", stderr);
      return 2;
    }
    std::string out;
    const int status = vcq::RunBankCheck(std::vector<std::string>(argv + 2, argv + argc), out);
    std::fputs(out.c_str(), stdout);
    return status;
  }
  QApplication qapp(argc, argv);
  vcq::ui::SetUpApplication();

  const QString assets = FindAssetDir();
  QApplication::setWindowIcon(QIcon(assets + "/pictures/vcquick.png"));

  vcq::ui::QtTimerPort timers;
  vcq::ui::SystemClock clock;
  vcq::ui::SdlSound sound((assets + "/sounds").toStdString());
  vcq::ui::QtDialogs dialogs(assets + "/help/vcq10.html");
  vcq::Program app(vcq::Ports{timers, clock, sound, dialogs},
                   vcq::Paths{assets.toStdString(), std::filesystem::current_path().string()});

  vcq::ui::Gui gui(app);
  dialogs.Attach(&gui.Main(), [&gui] { return &gui.Input(); });
  sound.beforeBlock = [&gui] { gui.RepaintAll(); };
  gui.onClosed = [] { QCoreApplication::quit(); };
  if (app.frmMain.Closed) return 0;
  return QApplication::exec();
}
