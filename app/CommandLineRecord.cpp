#include "app/CommandLineRecord.h"

#include <filesystem>

#include "app/Program.h"

namespace vcq {

CommandLineRecord::CommandLineRecord(DialogPort& dialogs, const std::string& path)
    : dialogs_(dialogs) {
  // Absolute, so that the dialogs then open in the record's folder as after F2.
  if (!path.empty()) path_ = std::filesystem::absolute(path).lexically_normal().string();
}

void CommandLineRecord::Start(Program& app) {
  if (path_.empty()) return;
  // The start-up timer's last tick shows the commands; a tick of this timer
  // at the same moment comes after it.
  watch_ = app.NewTimer(100, true, [this, &app] {
    if (app.frmMain.Closed || !app.frmMain.pnlOpen.Visible) return;
    watch_->SetEnabled(false);
    Open(app);
  });
}

void CommandLineRecord::Open(Program& app) {
  answering_ = true;
  try {
    app.frmMain.cmdOpen();
  } catch (...) {
    answering_ = false;
    throw;
  }
  answering_ = false;
}

std::optional<std::string> CommandLineRecord::OpenFile(const FileDialogRequest& request) {
  if (!answering_) return dialogs_.OpenFile(request);
  answering_ = false;
  return path_;
}

}  // namespace vcq
