#include "ui/HelpWindow.h"

#include <QFileInfo>
#include <QKeyEvent>
#include <QScrollBar>

#include "ui/WindowParts.h"

namespace vcq::ui {

HelpWindow::HelpWindow(QString helpFile) : file_(std::move(helpFile)) {
  setObjectName("HelpWindow");
  setWindowTitle(QStringLiteral("VCQuick ヘルプ"));
  setOpenExternalLinks(true);
  resize(640, 480);
  // Over the main window, which is centred too.
  CentreOnScreen(this);
}

void HelpWindow::ShowContents() {
  if (QFileInfo::exists(file_)) {
    const QUrl url = QUrl::fromLocalFile(file_);
    if (source() == url)
      reload();
    else
      setSource(url);
  } else {
    setHtml(QStringLiteral("<p>ヘルプファイルが見つかりません。</p><p>%1</p>")
                .arg(file_.toHtmlEscaped()));
  }
  verticalScrollBar()->setValue(0);
  show();
  raise();
  activateWindow();
}

void HelpWindow::keyPressEvent(QKeyEvent* e) {
  if (e->key() == Qt::Key_Escape) {
    close();
    return;
  }
  QTextBrowser::keyPressEvent(e);
}

}  // namespace vcq::ui
