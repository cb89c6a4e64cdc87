// The help viewer: the help document in a window of its own, beside the
// main window, opened at its contents (the top of the document).
#pragma once

#include <QTextBrowser>

namespace vcq::ui {

class HelpWindow : public QTextBrowser {
 public:
  explicit HelpWindow(QString helpFile);
  void ShowContents();

  // The document and its pictures, read as every file a learner may name
  // is: only a plain file, and nothing of one too large.
  QVariant loadResource(int type, const QUrl& name) override;

 protected:
  void keyPressEvent(QKeyEvent* e) override;

 private:
  QString file_;
  QString problem_;  // why the last page asked for could not be read
};

}  // namespace vcq::ui
