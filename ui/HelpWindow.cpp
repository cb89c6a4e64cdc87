#include "ui/HelpWindow.h"

#include <QAccessible>
#include <QFile>
#include <QFileInfo>
#include <QKeyEvent>
#include <QScrollBar>
#include <QTextBlock>
#include <QTimer>
#include <QVBoxLayout>

#include "data/PlainFile.h"
#include "platform/Error.h"
#include "ui/WindowParts.h"

namespace vcq::ui {

namespace {

// Far beyond the help document and any picture it shows (a few 10 KB).
constexpr std::size_t kMaxHelpBytes = 8u << 20;

}  // namespace

HelpBrowser::HelpBrowser(QWidget* parent) : QTextBrowser(parent) {
  setObjectName("HelpText");
  setAccessibleName(QStringLiteral("ヘルプの本文"));
  setOpenExternalLinks(true);
  // A link within the page scrolls to its place but leaves the caret on the
  // link, where a screen reader would go on reading: the caret follows.
  connect(this, &QTextBrowser::anchorClicked, this, [this](const QUrl& url) {
    // Once the browser has gone there.
    if (url.hasFragment())
      QTimer::singleShot(0, this, [this, anchor = url.fragment()] { CaretTo(anchor); });
  });
}

// Where the browser scrolls for `anchor`: a block that starts with it (an
// empty <a name> before a heading) or a fragment that holds it.
void HelpBrowser::CaretTo(const QString& anchor) {
  for (QTextBlock b = document()->begin(); b.isValid(); b = b.next()) {
    int at = b.charFormat().anchorNames().contains(anchor) ? b.position() : -1;
    for (auto it = b.begin(); at < 0 && !it.atEnd(); ++it)
      if (it.fragment().charFormat().anchorNames().contains(anchor)) at = it.fragment().position();
    if (at < 0) continue;
    QTextCursor c(document());
    c.setPosition(at);
    setTextCursor(c);  // which tells a screen reader
    return;
  }
}

QVariant HelpBrowser::loadResource(int type, const QUrl& name) {
  const QUrl url = name.isRelative() ? source().resolved(name) : name;
  if (!url.isLocalFile()) return QTextBrowser::loadResource(type, name);
  try {
    const std::string bytes =
        ReadPlainFile(QFile::encodeName(url.toLocalFile()).toStdString(), kMaxHelpBytes);
    return QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size()));
  } catch (const Error& e) {
    // A picture that cannot be read stays empty; a page is replaced by why.
    if (type == QTextDocument::HtmlResource) problem = QString::fromStdString(e.what());
    return {};
  }
}

// Tab selects the next link, but Qt tells a screen reader nothing of it:
// the caret and the selection are sent here, and the reader speaks the
// link. (Without an assistive technology nothing is sent.)
bool HelpBrowser::focusNextPrevChild(bool next) {
  const bool done = QTextBrowser::focusNextPrevChild(next);
  const QTextCursor c = textCursor();
  if (done && hasFocus() && c.hasSelection()) {
    QAccessibleTextCursorEvent caret(this, c.position());
    QAccessible::updateAccessibility(&caret);
    QAccessibleTextSelectionEvent selection(this, c.selectionStart(), c.selectionEnd());
    selection.setCursorPosition(c.position());
    QAccessible::updateAccessibility(&selection);
  }
  return done;
}

void HelpBrowser::keyPressEvent(QKeyEvent* e) {
  if (e->key() == Qt::Key_Escape) {
    window()->close();
    return;
  }
  QTextBrowser::keyPressEvent(e);
}

HelpWindow::HelpWindow(QString helpFile)
    : file_(std::move(helpFile)), browser_(new HelpBrowser(this)) {
  setObjectName("HelpWindow");
  setWindowTitle(QStringLiteral("VCQuick ヘルプ"));
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(browser_);
  // The keys go to the document: Tab to its links, the arrows through it.
  setFocusProxy(browser_);
  resize(640, 480);
  // Over the main window, which is centred too.
  CentreOnScreen(this);
}

void HelpWindow::ShowContents() {
  QString& problem = browser_->problem;
  problem.clear();
  if (!QFileInfo::exists(file_)) {
    browser_->setHtml(QStringLiteral("<p>ヘルプファイルが見つかりません。</p><p>%1</p>")
                          .arg(file_.toHtmlEscaped()));
  } else {
    try {
      PlainFile::Open(QFile::encodeName(file_).toStdString());
    } catch (const Error& e) {
      problem = QString::fromStdString(e.what());
    }
    const QUrl url = QUrl::fromLocalFile(file_);
    if (problem.isEmpty()) {
      if (browser_->source() == url)
        browser_->reload();
      else
        browser_->setSource(url);
    }
    // Refused here or while it was read, the page says why.
    if (!problem.isEmpty())
      browser_->setHtml(
          QStringLiteral("<p>ヘルプを表示できません。</p><p>%1</p>").arg(problem.toHtmlEscaped()));
  }
  browser_->verticalScrollBar()->setValue(0);
  show();
  raise();
  activateWindow();
  browser_->setFocus();
}

}  // namespace vcq::ui
