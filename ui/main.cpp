// VCQuick: the core program on Qt widgets, Qt timers and SDL sound.

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QIcon>
#include <QStandardPaths>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "app/BankCheck.h"
#include "app/BankExport.h"
#include "app/BankImport.h"
#include "app/CommandLineRecord.h"
#include "app/LearnerFolder.h"
#include "app/Program.h"
#include "ui/AppIdentity.h"
#include "ui/EndSignals.h"
#include "ui/EspeakSpeech.h"
#include "ui/Gui.h"
#include "ui/LearnerSettings.h"
#include "ui/MainWindowView.h"
#include "ui/PlayerNameView.h"
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

constexpr const char* kUsage =
    "usage: vcquick [FILE.ret]\n"
    "       vcquick --check FILE.dat...\n"
    "       vcquick --export BANK.dat [OUT.csv]\n"
    "       vcquick --import IN.csv OUT.dat [--force]\n"
    "       vcquick --help | --version\n";

constexpr const char* kHelp =
    "VCQuick: a keyboard-driven drill of English words and phrases.\n"
    "\n"
    "  FILE.ret         open this study record once the program has started\n"
    "  --check FILE...  check question banks and print each problem; no window\n"
    "  --export BANK [OUT.csv]\n"
    "                   write a bank as CSV for a spreadsheet (to stdout without OUT)\n"
    "  --import IN.csv OUT.dat [--force]\n"
    "                   make a bank from CSV or tab-separated text, checked as --check\n"
    "                   checks; an existing OUT is replaced only with --force\n"
    "  --help           print this help and exit\n"
    "  --version        print the version and exit\n"
    "\n"
    "Keys: F1 quit, F2 open a record, F3 new record, F4 range, F5 drill,\n"
    "F6 options, F7 score table, F9 help. See vcquick(1).\n";

bool Is(const char* arg, const char* a, const char* b) {
  return std::strcmp(arg, a) == 0 || std::strcmp(arg, b) == 0;
}

// The learner's folder under the documents folder, prepared on the first start.
std::string LearnerFolder(const QString& assets) {
  const QString docs = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  if (docs.isEmpty()) return {};
  return vcq::PrepareLearnerFolder(QDir(docs).filePath("VCQuick").toStdString(),
                                   (assets + "/banks").toStdString());
}

}  // namespace

int main(int argc, char** argv) {
  // Answered before the toolkit starts, so they need no display.
  if (argc == 2 && Is(argv[1], "--help", "-h")) {
    std::fputs(kUsage, stdout);
    std::fputs("\n", stdout);
    std::fputs(kHelp, stdout);
    return 0;
  }
  if (argc == 2 && Is(argv[1], "--version", "-V")) {
    std::fputs("vcquick " VCQ_VERSION "\n", stdout);
    return 0;
  }
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
  // vcquick --export / --import: banks to and from a spreadsheet, without a window.
  if (argc >= 2 && std::strcmp(argv[1], "--export") == 0) {
    if (argc < 3 || argc > 4) {
      std::fputs("usage: vcquick --export BANK.dat [OUT.csv]\n", stderr);
      return 2;
    }
    std::string out, err;
    const int status = vcq::RunBankExport(argv[2], argc == 4 ? argv[3] : "", out, err);
    std::fwrite(out.data(), 1, out.size(), stdout);
    std::fputs(err.c_str(), stderr);
    return status;
  }
  if (argc >= 2 && std::strcmp(argv[1], "--import") == 0) {
    const bool force = argc == 5 && std::strcmp(argv[4], "--force") == 0;
    if (argc != 4 && !force) {
      std::fputs("usage: vcquick --import IN.csv OUT.dat [--force]\n", stderr);
      return 2;
    }
    std::string err;
    const int status = vcq::RunBankImport(argv[2], argv[3], force, err);
    std::fputs(err.c_str(), stderr);
    return status;
  }
  QApplication qapp(argc, argv);
  // What is left once the toolkit took its own options: at most one record.
  const QStringList args = QCoreApplication::arguments().mid(1);
  if (args.size() > 1 || (args.size() == 1 && args[0].startsWith('-'))) {
    std::fputs(kUsage, stderr);
    return 2;
  }
  vcq::ui::SetUpApplication();

  const QString assets = FindAssetDir();
  QApplication::setWindowIcon(QIcon(assets + "/pictures/vcquick.png"));

  vcq::ui::QtTimerPort timers;
  vcq::ui::SystemClock clock;
  vcq::ui::SdlSound sound((assets + "/sounds").toStdString());
  vcq::ui::QtDialogs dialogs(assets + "/help/vcq10.html");
  vcq::CommandLineRecord commandLine(
      dialogs, args.isEmpty() ? std::string() : QFile::encodeName(args[0]).toStdString());
  const std::string learner = LearnerFolder(assets);
  const std::string start = vcq::StartFolder(std::filesystem::current_path().string(),
                                             QDir::homePath().toStdString(), learner);
  vcq::Program app(vcq::Ports{timers, clock, sound, commandLine},
                   vcq::Paths{assets.toStdString(), start, learner});
  vcq::ui::LearnerSettings settings;
  vcq::ui::EspeakSpeech voice(sound);
  app.readAloud.voice = &voice;
  app.readAloud.store = &settings;
  app.readAloud.on = settings.ReadAloud();

  vcq::ui::Gui gui(app);
  dialogs.Attach(&gui.MainWindow(), [&gui] { return &gui.PlayerName(); });
  sound.beforeBlock = [&gui] { gui.RepaintAll(); };
  gui.onClosed = [] { QCoreApplication::quit(); };
  // A logout or shutdown ends the program as its close box does: saving first.
  vcq::ui::EndSignals endSignals([&app] { app.Guard([&] { app.frmMain.FormClose(); }); });
  commandLine.Start(app);
  if (app.frmMain.Closed) return 0;
  return QApplication::exec();
}
