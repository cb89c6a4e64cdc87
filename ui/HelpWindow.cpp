#include "ui/HelpWindow.h"

#include <QFile>
#include <QFileInfo>
#include <QKeyEvent>
#include <QScrollBar>

#include "data/PlainFile.h"
#include "platform/Error.h"
#include "ui/WindowParts.h"

namespace vcq::ui {

namespace {

// Far beyond the help document and any picture it shows (a few 10 KB).
constexpr std::size_t kMaxHelpBytes = 8u << 20;

}  // namespace

HelpWindow::HelpWindow(QString helpFile) : file_(std::move(helpFile)) {
  setObjectName("HelpWindow");
  setWindowTitle(QStringLiteral("VCQuick ヘルプ"));
  setOpenExternalLinks(true);
  resize(640, 480);
  // Over the main window, which is centred too.
  CentreOnScreen(this);
}

void HelpWindow::ShowContents() {
  problem_.clear();
  if (!QFileInfo::exists(file_)) {
    setHtml(QStringLiteral("<p>ヘルプファイルが見つかりません。</p><p>%1</p>")
                .arg(file_.toHtmlEscaped()));
  } else {
    try {
      PlainFile::Open(QFile::encodeName(file_).toStdString());
    } catch (const Error& e) {
      problem_ = QString::fromStdString(e.what());
    }
    const QUrl url = QUrl::fromLocalFile(file_);
    if (problem_.isEmpty()) {
      if (source() == url)
        reload();
      else
        setSource(url);
    }
    // Refused here or while it was read, the page says why.
    if (!problem_.isEmpty())
      setHtml(
          QStringLiteral("<p>ヘルプを表示できません。</p><p>%1</p>").arg(problem_.toHtmlEscaped()));
  }
  verticalScrollBar()->setValue(0);
  show();
  raise();
  activateWindow();
}

QVariant HelpWindow::loadResource(int type, const QUrl& name) {
  const QUrl url = name.isRelative() ? source().resolved(name) : name;
  if (!url.isLocalFile()) return QTextBrowser::loadResource(type, name);
  try {
    const std::string bytes =
        ReadPlainFile(QFile::encodeName(url.toLocalFile()).toStdString(), kMaxHelpBytes);
    return QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size()));
  } catch (const Error& e) {
    // A picture that cannot be read stays empty; a page is replaced by why.
    if (type == QTextDocument::HtmlResource) problem_ = QString::fromStdString(e.what());
    return {};
  }
}

void HelpWindow::keyPressEvent(QKeyEvent* e) {
  if (e->key() == Qt::Key_Escape) {
    close();
    return;
  }
  QTextBrowser::keyPressEvent(e);
}

}  // namespace vcq::ui
