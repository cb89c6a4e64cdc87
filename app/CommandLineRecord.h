// `vcquick FILE.ret`: the record named on the command line is opened as F2
// would open it with that file picked, once the start-up sequence has shown
// the commands. It stands between the program and the real dialogs and
// answers that one file dialog itself.
#pragma once

#include <memory>
#include <string>

#include "platform/Ports.h"

namespace vcq {

class Program;

class CommandLineRecord : public DialogPort {
 public:
  // `path` is taken relative to the current folder; empty opens nothing.
  CommandLineRecord(DialogPort& dialogs, const std::string& path);

  // Watches `app` for the end of the start-up sequence.
  void Start(Program& app);

  std::optional<std::string> OpenFile(const FileDialogRequest& request) override;
  void ExecInput() override { dialogs_.ExecInput(); }
  void ShowError(const std::string& utf8Message) override { dialogs_.ShowError(utf8Message); }
  void ShowInfo(const std::string& utf8Message) override { dialogs_.ShowInfo(utf8Message); }
  bool AskYesNo(const std::string& utf8Message) override { return dialogs_.AskYesNo(utf8Message); }
  std::size_t AskChoice(const std::string& utf8Message,
                        const std::vector<std::string>& choices) override {
    return dialogs_.AskChoice(utf8Message, choices);
  }
  void ShowHelp() override { dialogs_.ShowHelp(); }

 private:
  void Open(Program& app);

  DialogPort& dialogs_;
  std::string path_;
  bool answering_ = false;  // the next file dialog is the one F2 opens for us
  std::unique_ptr<Timer> watch_;
};

}  // namespace vcq
