// The help viewer: the help document in a window of its own, beside the
// main window, opened at its contents (the top of the document). The window
// is a plain frame named with its title, holding the document, so that a
// screen reader meets a window and then the text it reads, as in any other
// window.
#pragma once

#include <QTextBrowser>
#include <QWidget>

namespace vcq::ui {

// The document: its pages and pictures read as every file a learner may
// name is, and Esc closes the window it is in.
class HelpBrowser : public QTextBrowser {
 public:
  explicit HelpBrowser(QWidget* parent);

  // Only a plain file, and nothing of one too large.
  QVariant loadResource(int type, const QUrl& name) override;
  // Why the last page asked for could not be read; empty when it was.
  QString problem;

 protected:
  void keyPressEvent(QKeyEvent* e) override;
  bool focusNextPrevChild(bool next) override;

 private:
  void CaretTo(const QString& anchor);
};

class HelpWindow : public QWidget {
 public:
  explicit HelpWindow(QString helpFile);
  void ShowContents();
  HelpBrowser& Browser() { return *browser_; }

 private:
  QString file_;
  HelpBrowser* browser_;
};

}  // namespace vcq::ui
