// The dialogs the core asks for, as Qt shows them: the open- and save-file
// dialog, the modal player window, the error box, a yes/no question, a
// question with choices and the help viewer.
#pragma once

#include <QString>
#include <functional>
#include <memory>
#include <string_view>

#include "platform/Ports.h"

class QDialog;
class QWidget;

namespace vcq::ui {

class HelpWindow;

// "caption |*.ext" (pairs split by '|', patterns by ';') as Qt writes a
// filter: "caption (*.ext)", pairs split by ";;".
QString QtFilter(std::string_view filter);

class QtDialogs : public DialogPort {
 public:
  explicit QtDialogs(QString helpFile);
  ~QtDialogs() override;

  // The window the boxes are centred on and the player window's dialog,
  // built when first asked for; both belong to the views, which are built
  // after the program.
  void Attach(QWidget* parent, std::function<QDialog*()> inputWindow);

  std::optional<std::string> OpenFile(const FileDialogRequest& request) override;
  void ExecInput() override;
  void ShowError(const std::string& utf8Message) override;
  void ShowInfo(const std::string& utf8Message) override;
  bool AskYesNo(const std::string& utf8Message) override;
  std::size_t AskChoice(const std::string& utf8Message,
                        const std::vector<std::string>& choices) override;
  void ShowHelp() override;

 private:
  QString helpFile_;
  QWidget* parent_ = nullptr;
  std::function<QDialog*()> input_;
  std::unique_ptr<HelpWindow> help_;
};

}  // namespace vcq::ui
