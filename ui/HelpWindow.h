// The help viewer: the help document in a window of its own, beside the
// main window, opened at its contents (the top of the document).
#pragma once

#include <QTextBrowser>

namespace vcq::ui {

class HelpWindow : public QTextBrowser {
 public:
  explicit HelpWindow(QString helpFile);
  void ShowContents();

 protected:
  void keyPressEvent(QKeyEvent* e) override;

 private:
  QString file_;
};

}  // namespace vcq::ui
