#include "ui/FileDialogLayout.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFileDialog>
#include <QFontMetrics>
#include <QHeaderView>
#include <QLocale>
#include <QMimeDatabase>
#include <QScreen>
#include <QTreeView>
#include <algorithm>

namespace vcq::ui {

namespace {

constexpr int kNameColumn = 280;  // a bank's or record's name, in Japanese
constexpr int kPadding = 28;      // the sort arrow and the cell's margins
constexpr int kSideBar = 170;     // the places on the left
constexpr int kFrame = 60;        // the dialog's margins and the scroll bar

}  // namespace

void FitFileDialog(QFileDialog& dlg) {
  dlg.setViewMode(QFileDialog::Detail);
  auto* tree = dlg.findChild<QTreeView*>("treeView");
  if (!tree) return;
  const QFontMetrics fm(tree->font());
  const QLocale locale;
  // The texts the columns show, as Qt words them in the learner's language.
  const QString size = locale.formattedDataSize(999'999);
  // The type column shows the MIME type's comment ("平文テキストドキュメント").
  const QMimeDatabase mime;
  int typeWidth =
      fm.horizontalAdvance(QCoreApplication::translate("QAbstractFileIconProvider", "Folder"));
  for (const char* name : {"text/plain", "application/x-vcquick-record", "inode/directory",
                           "application/octet-stream"})
    typeWidth = std::max(typeWidth, fm.horizontalAdvance(mime.mimeTypeForName(name).comment()));
  const QString date =
      locale.toString(QDateTime(QDate(2026, 12, 31), QTime(23, 59, 59)), QLocale::ShortFormat);
  const int widths[] = {kNameColumn, fm.horizontalAdvance(size) + kPadding, typeWidth + kPadding,
                        fm.horizontalAdvance(date) + kPadding};
  QHeaderView* header = tree->header();
  header->setStretchLastSection(true);  // the room left over goes to the date
  int total = 0;
  for (int i = 0; i < 4; ++i) {
    header->resizeSection(i, widths[i]);
    total += widths[i];
  }
  QSize want = QSize(kSideBar + total + kFrame, 440).expandedTo(dlg.sizeHint());
  if (const QScreen* screen = dlg.screen())
    want = want.boundedTo(screen->availableGeometry().size());
  dlg.resize(want);
}

}  // namespace vcq::ui
