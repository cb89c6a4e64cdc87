#include "ui/ToolkitStart.h"

#include <cstdio>
#include <cstdlib>
#include <vector>

namespace vcq::ui {

namespace {

std::string noDesktopLine;
std::vector<QString> heldBack;

void HoldBack(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  if (type == QtFatalMsg) {
    std::fprintf(stderr, "%s\n", noDesktopLine.c_str());
    std::_Exit(1);
  }
  heldBack.push_back(qFormatLogMessage(type, context, message));
}

}  // namespace

std::unique_ptr<QApplication> StartToolkit(int& argc, char** argv, const std::string& noDesktop) {
  noDesktopLine = noDesktop;
  const QtMessageHandler previous = qInstallMessageHandler(HoldBack);
  auto app = std::make_unique<QApplication>(argc, argv);
  qInstallMessageHandler(previous);
  for (const QString& m : heldBack) std::fprintf(stderr, "%s\n", qPrintable(m));
  heldBack.clear();
  return app;
}

}  // namespace vcq::ui
