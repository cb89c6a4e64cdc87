#include "ui/ScoreTableView.h"

#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>
#include <algorithm>

#include "screens/ScoreTable.h"
#include "ui/Fonts.h"
#include "ui/TextConversion.h"

namespace vcq::ui {

namespace {

// A string grid's default row height; the layout gives none of its own.
constexpr int kRowHeight = 24;
constexpr Qt::Alignment kCellAlign = Qt::AlignLeft | Qt::AlignVCenter;

// Fixed cells flat in their colour with a line to their right and below,
// like the lines between the other cells; beyond the last row and column
// the grid shows its own colour, under the fixed column too.
QString GridStyle(Rgb fixed, Rgb cells) {
  return QStringLiteral(
             "QHeaderView { background-color: %2; }"
             "QHeaderView::section, QTableCornerButton::section {"
             " background-color: %1; border: none; border-right: 1px solid #808080;"
             " border-bottom: 1px solid #808080; padding-left: 2px; }")
      .arg(Qc(fixed).name(), Qc(cells).name());
}

void SetItemText(QTableWidget* t, int row, int col, const QString& text) {
  QTableWidgetItem* item = t->item(row, col);
  if (!item) {
    item = new QTableWidgetItem;
    item->setFlags(Qt::ItemIsEnabled);  // read only, not selectable
    item->setTextAlignment(kCellAlign);
    t->setItem(row, col, item);
  }
  if (item->text() != text) item->setText(text);
}

void SetHeaderText(QTableWidget* t, Qt::Orientation o, int section, const QString& text) {
  QTableWidgetItem* item =
      o == Qt::Horizontal ? t->horizontalHeaderItem(section) : t->verticalHeaderItem(section);
  if (!item) {
    item = new QTableWidgetItem;
    item->setTextAlignment(kCellAlign);
    if (o == Qt::Horizontal)
      t->setHorizontalHeaderItem(section, item);
    else
      t->setVerticalHeaderItem(section, item);
  }
  if (item->text() != text) item->setText(text);
}

}  // namespace

ScoreTableView::ScoreTableView(QWidget* owner, TfrmScoreTable& core, Guard guard)
    : SecondaryWindow(owner, "frmScoreTable", core.form, Size::kOuter, std::move(guard),
                      [&core] { core.FormClose(); }),
      core_(core) {
  using namespace mirror;
  const TfrmScoreTable& f = core_;
  setFont(PixelFont(family::kPGothic, f.form.FontSize > 0 ? f.form.FontSize : 12));

  grid_ = new QTableWidget(this);
  grid_->setObjectName("grdTen");
  grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  grid_->setSelectionMode(QAbstractItemView::NoSelection);
  grid_->setFocusPolicy(Qt::NoFocus);
  grid_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  grid_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  grid_->setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
  grid_->setCornerButtonEnabled(false);
  for (QHeaderView* h : {grid_->horizontalHeader(), grid_->verticalHeader()}) {
    h->setSectionResizeMode(QHeaderView::Fixed);
    h->setHighlightSections(false);
    h->setSectionsClickable(false);
    h->setDefaultAlignment(kCellAlign);
  }
  grid_->verticalHeader()->setDefaultSectionSize(kRowHeight);
  grid_->horizontalHeader()->setFixedHeight(kRowHeight);
  mirrors_.Add(grid_, f.grdTen, kPlace);

  auto* ok = new QPushButton(this);
  ok->setObjectName("btnOK");
  mirrors_.Add(ok, f.btnOK, kPlace | kCaption);
  connect(ok, &QPushButton::clicked, this, [this] { guard_([&] { core_.btnOKClick(); }); });
  Sync();
}

void ScoreTableView::MirrorGrid() {
  const StringGrid& g = core_.grdTen;
  QPalette pal = grid_->palette();
  if (pal.color(QPalette::Base) != Qc(g.Color)) {
    pal.setColor(QPalette::Base, Qc(g.Color));
    grid_->setPalette(pal);
  }
  const QString style = GridStyle(g.FixedColor, g.Color);
  if (grid_->styleSheet() != style) grid_->setStyleSheet(style);

  const int fixedRows = std::clamp(g.FixedRows, 0, 1);
  const int fixedCols = std::clamp(g.FixedCols, 0, 1);
  const int rows = std::clamp(g.RowCount, fixedRows, StringGrid::kMaxRows);
  const int cols = std::clamp(g.ColCount, fixedCols, StringGrid::kCols);
  if (fixedRows != fixedRows_ || fixedCols != fixedCols_) {
    grid_->horizontalHeader()->setVisible(fixedRows == 1);
    grid_->verticalHeader()->setVisible(fixedCols == 1);
    fixedRows_ = fixedRows;
    fixedCols_ = fixedCols;
  }
  if (grid_->rowCount() != rows - fixedRows) grid_->setRowCount(rows - fixedRows);
  if (grid_->columnCount() != cols - fixedCols) grid_->setColumnCount(cols - fixedCols);
  if (grid_->horizontalHeader()->defaultSectionSize() != g.DefaultColWidth)
    grid_->horizontalHeader()->setDefaultSectionSize(g.DefaultColWidth);
  // The name column is the vertical header: as wide as the other columns.
  if (grid_->verticalHeader()->minimumWidth() != g.DefaultColWidth)
    grid_->verticalHeader()->setFixedWidth(g.DefaultColWidth);

  for (int r = 0; r < rows; ++r)
    for (int c = 0; c < cols; ++c) {
      if (r < fixedRows && c < fixedCols) continue;  // the corner shows nothing
      const QString text = Qs(g.Cells[r][c]);
      if (r < fixedRows)
        SetHeaderText(grid_, Qt::Horizontal, c - fixedCols, text);
      else if (c < fixedCols)
        SetHeaderText(grid_, Qt::Vertical, r - fixedRows, text);
      else
        SetItemText(grid_, r - fixedRows, c - fixedCols, text);
    }
}

QString ScoreTableView::CellText(int row, int col) const {
  const int r = row - fixedRows_;
  const int c = col - fixedCols_;
  const QTableWidgetItem* item = nullptr;
  if (r < 0 && c < 0) return {};
  if (r < 0)
    item = grid_->horizontalHeaderItem(c);
  else if (c < 0)
    item = grid_->verticalHeaderItem(r);
  else if (r < grid_->rowCount() && c < grid_->columnCount())
    item = grid_->item(r, c);
  return item ? item->text() : QString();
}

void ScoreTableView::Sync() {
  // The grid's colours and cells are its own state, not a control's.
  MirrorGrid();
  SyncFrame();
}

}  // namespace vcq::ui
