// SPDX-License-Identifier: GPL-3.0-or-later
// VCQuick: the core program on Qt widgets, Qt timers and SDL sound.

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QIcon>
#include <QMessageBox>
#include <QStandardPaths>
#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "app/BankCheck.h"
#include "app/BankExport.h"
#include "app/BankImport.h"
#include "app/ClassCommand.h"
#include "app/CommandLine.h"
#include "app/CommandLineRecord.h"
#include "app/DesktopSession.h"
#include "app/HighContrastChoice.h"
#include "app/LearnerFolder.h"
#include "app/Program.h"
#include "ui/AppIdentity.h"
#include "ui/ClassView.h"
#include "ui/Contrast.h"
#include "ui/DesktopContrast.h"
#include "ui/EndSignals.h"
#include "ui/EspeakSpeech.h"
#include "ui/Gui.h"
#include "ui/LearnerSettings.h"
#include "ui/MainWindowView.h"
#include "ui/PlayerNameView.h"
#include "ui/QtDialogs.h"
#include "ui/QtTimerPort.h"
#include "ui/QtTranslations.h"
#include "ui/SdlSound.h"
#include "ui/SystemClock.h"
#include "ui/ToolkitStart.h"

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

// The learner's folder under the documents folder, prepared on the first start.
std::string LearnerFolder(const QString& assets) {
  const QString docs = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  if (docs.isEmpty()) return {};
  return vcq::PrepareLearnerFolder(QDir(docs).filePath("VCQuick").toStdString(),
                                   (assets + "/banks").toStdString());
}

std::string Env(const char* name) {
  const char* v = std::getenv(name);
  return v ? v : "";
}

}  // namespace

int main(int argc, char** argv) {
  // Before anything prints: system messages (strerror) in the learner's language.
  std::setlocale(LC_ALL, "");
  const vcq::Lang lang = vcq::LangOfLocale(std::setlocale(LC_MESSAGES, nullptr));
  vcq::CommandLine cl;
  try {
    cl = vcq::ParseCommandLine(std::vector<std::string>(argv + 1, argv + argc), lang);
  } catch (const vcq::UsageError& e) {
    std::fprintf(stderr, "vcquick: %s\n%s", e.what(), std::string(vcq::Usage(lang)).c_str());
    return 2;
  }
  switch (cl.command) {
    case vcq::Command::Help:
      std::printf("%s\n%s", std::string(vcq::Usage(lang)).c_str(),
                  std::string(vcq::HelpText(lang)).c_str());
      return 0;
    case vcq::Command::Version:
      std::fputs("vcquick " VCQ_VERSION "\n", stdout);
      return 0;
    case vcq::Command::Check: {
      // A bank author's check, without a window.
      std::string out;
      const int status = vcq::RunBankCheck(cl.files, out, lang);
      std::fputs(out.c_str(), stdout);
      return status;
    }
    case vcq::Command::Export: {
      // A bank to a spreadsheet, without a window.
      std::string out, err;
      const int status = vcq::RunBankExport(cl.files[0], cl.files.size() == 2 ? cl.files[1] : "",
                                            out, err, cl.Has("--force"), lang);
      std::fwrite(out.data(), 1, out.size(), stdout);
      std::fputs(err.c_str(), stderr);
      return status;
    }
    case vcq::Command::Import: {
      std::string out, err;
      const vcq::CarryRequest carry{cl.Has("--carry"), {cl.files.begin() + 2, cl.files.end()}};
      const int status =
          vcq::RunBankImport(cl.files[0], cl.files[1], cl.Has("--force"), out, err, carry, lang);
      std::fputs(out.c_str(), stdout);
      std::fputs(err.c_str(), stderr);
      return status;
    }
    case vcq::Command::Class:
      if (cl.Has("--csv")) {
        // A teacher's class to a spreadsheet, without a window.
        std::string err;
        const int status = vcq::RunClassCsv(cl.files, cl.csvOut, cl.Has("--cp932"), err);
        std::fputs(err.c_str(), stderr);
        return status;
      }
      break;
    case vcq::Command::Run:
      break;
  }
  // The class is read before any window: without a record there is no window to open.
  vcq::ClassTable classTable;
  if (cl.command == vcq::Command::Class && !cl.files.empty()) {
    classTable = vcq::ReadClass(cl.files);
    if (const std::string none = vcq::NoRecordMessage(classTable); !none.empty()) {
      std::fprintf(stderr, "vcquick: %s\n", none.c_str());
      return 1;
    }
  }

  const vcq::SessionEnv env{Env("XDG_SESSION_TYPE"), Env("WAYLAND_DISPLAY"), Env("DISPLAY"),
                            Env("QT_QPA_PLATFORM")};
  const std::string noDesktop = vcq::NoDesktopMessage(std::setlocale(LC_MESSAGES, nullptr));
  if (!vcq::HasDesktop(env, cl.toolkitDisplay)) {
    std::fprintf(stderr, "%s\n", noDesktop.c_str());
    return 1;
  }
  // The toolkit's arguments: its own options as given, and the platform
  // chosen here, passed as an option so that no program started from this
  // one inherits it.
  std::string platform = vcq::ChosenPlatform(env, cl.toolkitPlatform);
  std::vector<std::string> qtArgs{argv[0]};
  qtArgs.insert(qtArgs.end(), cl.toolkit.begin(), cl.toolkit.end());
  if (!platform.empty()) qtArgs.insert(qtArgs.end(), {"-platform", platform});
  std::vector<char*> qtArgv;
  for (std::string& a : qtArgs) qtArgv.push_back(a.data());
  qtArgv.push_back(nullptr);
  int qtArgc = static_cast<int>(qtArgs.size());
  const auto qapp = vcq::ui::StartToolkit(qtArgc, qtArgv.data(), noDesktop);
  const vcq::ui::QtTranslations qtTexts;
  vcq::ui::SetUpApplication();

  const QString assets = FindAssetDir();
  QApplication::setWindowIcon(QIcon(assets + "/pictures/vcquick.png"));
  if (cl.command == vcq::Command::Class) {
    // The teachers' entry of the menu names no folder: one is asked for.
    if (cl.files.empty()) {
      const QString folder = QFileDialog::getExistingDirectory(
          nullptr, QStringLiteral("クラスの成績ファイルのフォルダを選んでください"),
          QDir::homePath());
      if (folder.isEmpty()) return 0;
      cl.files = {folder.toStdString()};
      classTable = vcq::ReadClass(cl.files);
      if (const std::string none = vcq::NoRecordMessage(classTable); !none.empty()) {
        QMessageBox::warning(nullptr, QStringLiteral("クラスの成績"), QString::fromStdString(none));
        return 1;
      }
    }
    vcq::ui::ClassView view(cl.files, std::move(classTable));
    view.show();
    return QApplication::exec();
  }

  vcq::ui::QtTimerPort timers;
  vcq::ui::SystemClock clock;
  vcq::ui::SdlSound sound((assets + "/sounds").toStdString());
  vcq::ui::QtDialogs dialogs(assets + "/help/vcq10.html");
  // The argument's own bytes: a name from a Windows zip is no UTF-8, and a
  // decoded copy of it would name no file.
  vcq::CommandLineRecord commandLine(dialogs, cl.files.empty() ? std::string() : cl.files.front());
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
  const std::optional<bool> ownContrast = settings.HighContrast();
  const bool forcedContrast = qEnvironmentVariableIsSet("VCQ_HIGH_CONTRAST");
  const std::string gtkTheme = qEnvironmentVariable("GTK_THEME").toStdString();
  vcq::ui::SetHighContrast(vcq::UseHighContrast(
      ownContrast, vcq::DesktopContrastOf(std::nullopt, gtkTheme), forcedContrast));

  vcq::ui::Gui gui(app);
  dialogs.Attach(&gui.MainWindow(), [&gui] { return &gui.ViewOf<vcq::ui::PlayerNameView>(); });
  sound.beforeBlock = [&gui] { gui.RepaintAll(); };
  app.frmMain.OpenClassView = [&gui] { vcq::ui::AskForClass(&gui.MainWindow()); };
  // The desktop's wish arrives after the first window, and only counts when
  // the learner's own setting is silent.
  if (!ownContrast && !forcedContrast)
    vcq::ui::AskDesktopContrast(&gui.MainWindow(), [&gui, gtkTheme](auto portal) {
      const bool on =
          vcq::UseHighContrast(std::nullopt, vcq::DesktopContrastOf(portal, gtkTheme), false);
      if (on == vcq::ui::HighContrast()) return;
      vcq::ui::SetHighContrast(on);
      gui.RepaintAll();
    });
  gui.onClosed = [] { QCoreApplication::quit(); };
  // Ctrl-C, a logout or a shutdown ends the program as its close box does: saving first.
  vcq::ui::EndSignals endSignals([&app] { app.Guard([&] { app.frmMain.FormClose(); }); });
  commandLine.Start(app);
  if (app.frmMain.Closed) return 0;
  return QApplication::exec();
}
