#include "ui/ClassView.h"

#include <QDateTime>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeySequence>
#include <QLabel>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QShortcut>
#include <QSplitter>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "app/ClassCommand.h"
#include "platform/Error.h"
#include "ui/ClassLegend.h"
#include "ui/ClassPrint.h"
#include "ui/Mirroring.h"
#include "ui/TextConversion.h"

namespace vcq::ui {

namespace {

QString U(const std::string& utf8) {
  return QString::fromStdString(utf8);
}

QTableWidgetItem* Item(const QString& text, Rgb fill, Rgb ink, bool number) {
  auto* item = new QTableWidgetItem(text);
  item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
  item->setBackground(Qc(fill));
  item->setForeground(Qc(ink));
  item->setTextAlignment((number ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter);
  return item;
}

// Read only, and nothing selected over the colours: the current cell alone
// is framed, for the keys that sort by its column.
void Plain(QTableWidget* grid) {
  grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
  grid->setSelectionMode(QAbstractItemView::NoSelection);
}

QWidget* Legend() {
  auto* box = new QWidget;
  auto* row = new QHBoxLayout(box);
  row->setContentsMargins(0, 0, 0, 0);
  row->addWidget(new QLabel(LegendTitle()));
  for (const LegendSwatch& s : LegendSwatches()) {
    auto* swatch = new QLabel(s.range);
    swatch->setAlignment(Qt::AlignCenter);
    swatch->setMinimumWidth(56);
    swatch->setStyleSheet(QStringLiteral("background:%1; color:%2; padding:2px 6px;")
                              .arg(Qc(s.fill).name(), Qc(s.ink).name()));
    row->addWidget(swatch);
  }
  row->addWidget(new QLabel(QStringLiteral("  ") + LegendNote()));
  row->addStretch();
  return box;
}

}  // namespace

ClassView::ClassView(std::vector<std::string> places, ClassTable table, QWidget* parent)
    : QWidget(parent, Qt::Window), window_(std::move(places), std::move(table)) {
  setObjectName("frmClass");
  setWindowTitle(QStringLiteral("クラスの成績"));
  setAttribute(Qt::WA_DeleteOnClose, false);
  resize(960, 640);
  auto* layout = new QVBoxLayout(this);
  head_ = new QLabel;
  head_->setWordWrap(true);
  layout->addWidget(head_);
  layout->addWidget(Legend());
  tabs_ = new QTabWidget;
  layout->addWidget(tabs_, 1);
  auto* bar = new QHBoxLayout;
  const auto button = [&](const QString& text, const QKeySequence& key, auto action) {
    auto* b = new QPushButton(text + "  (" + key.toString(QKeySequence::NativeText) + ")");
    b->setAutoDefault(false);
    connect(b, &QPushButton::clicked, this, action);
    auto* shortcut = new QShortcut(key, this);
    connect(shortcut, &QShortcut::activated, this, action);
    bar->addWidget(b);
  };
  button(QStringLiteral("読み直す"), QKeySequence(Qt::Key_F5), [this] { Reread(); });
  button(QStringLiteral("CSV に保存"), QKeySequence(Qt::CTRL | Qt::Key_S), [this] { SaveCsv(); });
  button(QStringLiteral("印刷・PDF"), QKeySequence(Qt::CTRL | Qt::Key_P), [this] { Print(); });
  bar->addStretch();
  bar->addWidget(new QLabel(QStringLiteral("並べ替え: 見出しをクリック、または Ctrl+↑ / Ctrl+↓")));
  button(QStringLiteral("閉じる"), QKeySequence(Qt::Key_Escape), [this] { close(); });
  layout->addLayout(bar);
  auto* up = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Up), this);
  connect(up, &QShortcut::activated, this, [this] { SortByKey(false); });
  auto* down = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Down), this);
  connect(down, &QShortcut::activated, this, [this] { SortByKey(true); });
  Fill();
}

int ClassView::Current() const {
  return tabs_->currentIndex();
}

void ClassView::Fill() {
  const int keep = tabs_->currentIndex();
  const ClassTable& table = window_.Table();
  head_->setText(QStringLiteral("<b>クラスの成績</b>　%1 件の成績　%2")
                     .arg(table.records)
                     .arg(U(PlacesText(table)).toHtmlEscaped()));
  while (tabs_->count() > 0) {
    QWidget* w = tabs_->widget(0);
    tabs_->removeTab(0);
    delete w;
  }
  grids_.clear();
  if (const std::string none = NoRecordMessage(table); !none.empty()) {
    auto* message = new QLabel(U(none));
    message->setAlignment(Qt::AlignCenter);
    tabs_->addTab(message, QStringLiteral("成績なし"));
  }
  for (std::size_t i = 0; i < table.sections.size(); ++i) {
    const ClassSection& s = table.sections[i];
    auto* split = new QSplitter(Qt::Vertical);
    auto* grid = new QTableWidget;
    grid->setObjectName("grdClass");
    Plain(grid);
    grid->verticalHeader()->setVisible(false);
    grid->horizontalHeader()->setSectionsClickable(true);
    grid->horizontalHeader()->setSortIndicatorShown(true);
    connect(grid->horizontalHeader(), &QHeaderView::sectionClicked, this,
            [this](int column) { SortBy(column); });
    split->addWidget(grid);
    grids_.push_back(grid);
    if (!s.hard.empty()) {
      auto* box = new QWidget;
      auto* v = new QVBoxLayout(box);
      v->setContentsMargins(0, 4, 0, 0);
      v->addWidget(new QLabel(
          QStringLiteral("<b>まちがいの多い問題</b> "
                         "(最後の答えがまちがいだった人の多い順、同じなら習得した人の少ない順)")));
      auto* hard = new QTableWidget(static_cast<int>(s.hard.size()), 7);
      hard->setObjectName("grdHard");
      Plain(hard);
      hard->verticalHeader()->setVisible(false);
      QStringList heads = {QStringLiteral("分野"), QStringLiteral("問題"), QStringLiteral("英文")};
      for (const HardLevelColumn& c : kHardLevelColumns) heads << QString::fromUtf8(c.name);
      hard->setHorizontalHeaderLabels(heads);
      for (int r = 0; r < static_cast<int>(s.hard.size()); ++r) {
        const HardQuestion& h = s.hard[r];
        const QString lesson =
            h.lesson >= 0 && h.lesson < s.lessons ? Qs(s.lessonName[h.lesson]) : QString();
        QStringList cells = {lesson, Qs(h.prompt), Qs(h.sentence)};
        for (const HardLevelColumn& c : kHardLevelColumns)
          cells << QString::number(h.atLevel[c.kind]);
        for (int c = 0; c < cells.size(); ++c)
          hard->setItem(r, c, Item(cells[c], colors::kWhite, colors::kBlack, c >= 3));
      }
      hard->resizeColumnsToContents();
      v->addWidget(hard);
      split->addWidget(box);
      split->setStretchFactor(0, 3);
      split->setStretchFactor(1, 2);
    }
    const QString name =
        s.bankPath.empty() ? QStringLiteral("問題ファイルがわからない成績") : Qs(s.title);
    tabs_->addTab(split, QStringLiteral("%1 (%2)").arg(name).arg(s.rows.size()));
    FillSection(static_cast<int>(i));
  }
  if (keep >= 0 && keep < tabs_->count()) tabs_->setCurrentIndex(keep);
}

void ClassView::FillSection(int index) {
  const ClassSection& s = window_.Table().sections[index];
  QTableWidget* grid = grids_[index];
  const int cols = ColumnCount(s);
  int rows = 0;
  for (const ClassRow& r : s.rows) rows += r.problem.empty() ? 1 : 2;
  const bool total = !s.bankPath.empty();
  grid->clearSpans();
  grid->setRowCount(rows + (total ? 1 : 0));
  // An empty last column takes the room left, so that a message spanning
  // the row has the width of the window.
  grid->setColumnCount(cols + 1);
  grid->horizontalHeader()->setStretchLastSection(true);
  QStringList headers;
  for (int c = 0; c < cols; ++c) headers << U(ColumnName(s, c));
  headers << QString();
  grid->setHorizontalHeaderLabels(headers);
  int row = 0;
  for (const ClassRow& r : s.rows) {
    for (int c = 0; c < cols; ++c) {
      QString text = U(CellText(s, r, c));
      if (c == 0 && r.inUse) text += QStringLiteral(" (使用中)");
      const std::int64_t rate = CellRate(s, r, c);
      const auto& heat = classcolors::HeatOf(rate);
      grid->setItem(row, c,
                    Item(text, rate >= 0 ? heat.fill : colors::kWhite,
                         rate >= 0 ? heat.text : colors::kBlack, c >= 2));
    }
    ++row;
    if (!r.problem.empty()) {
      grid->setItem(
          row, 0,
          Item(QStringLiteral("　") + U(r.problem), classcolors::kProblem, colors::kBlack, false));
      grid->setSpan(row, 0, 1, cols + 1);
      ++row;
    }
  }
  if (total) {
    for (int c = 0; c < cols; ++c) {
      auto* item = Item(U(ClassCellText(s, c)), classcolors::kProblem, colors::kBlack, c >= 2);
      QFont bold = item->font();
      bold.setBold(true);
      item->setFont(bold);
      grid->setItem(row, c, item);
    }
  }
  grid->resizeColumnsToContents();
  // Messages span the row; their length must not widen the first column.
  grid->setColumnWidth(0, std::min(grid->columnWidth(0), 220));
  grid->resizeRowsToContents();
  const ClassWindow::Sort sort = window_.SortOf(index);
  grid->horizontalHeader()->setSortIndicator(
      sort.column, sort.descending ? Qt::DescendingOrder : Qt::AscendingOrder);
}

void ClassView::SortBy(int column) {
  const int i = Current();
  if (window_.SortBy(i, column)) FillSection(i);
}

void ClassView::SortByKey(bool descending) {
  const int i = Current();
  if (i < 0 || i >= static_cast<int>(grids_.size())) return;
  const int column = window_.SortByKey(i, grids_[i]->currentColumn(), descending);
  FillSection(i);
  grids_[i]->setCurrentCell(0, column);
}

void ClassView::Reread() {
  window_.Reread();
  Fill();
}

void ClassView::SaveCsv() {
  const QString path =
      QFileDialog::getSaveFileName(this, QStringLiteral("クラスの成績を CSV に保存"),
                                   QStringLiteral("class.csv"), QStringLiteral("CSV (*.csv)"));
  if (path.isEmpty()) return;
  try {
    WriteClassCsv(window_.Table(), path.toStdString(), false);
  } catch (const Error& e) {
    QMessageBox::warning(this, windowTitle(), QString::fromStdString(e.what()));
  }
}

void ClassView::Print() {
  QPrinter printer(QPrinter::HighResolution);
  printer.setPageSize(QPageSize(QPageSize::A4));
  printer.setPageOrientation(QPageLayout::Landscape);
  printer.setDocName(QStringLiteral("クラスの成績"));
  QPrintDialog dialog(&printer, this);
  if (dialog.exec() != QDialog::Accepted) return;
  PrintClass(printer, window_.Table(), QDate::currentDate().toString(Qt::ISODate));
}

void AskForClass(QWidget* parent) {
  const QString folder = QFileDialog::getExistingDirectory(
      parent, QStringLiteral("クラスの成績ファイルのフォルダを選んでください"));
  if (folder.isEmpty()) return;
  const std::vector<std::string> places{folder.toStdString()};
  ClassTable table = ReadClass(places);
  if (const std::string none = NoRecordMessage(table); !none.empty()) {
    QMessageBox::information(parent, QStringLiteral("クラスの成績"), U(none));
    return;
  }
  // Owned by the main window, gone when closed.
  auto* view = new ClassView(places, std::move(table), parent);
  view->setAttribute(Qt::WA_DeleteOnClose, true);
  view->show();
}

}  // namespace vcq::ui
