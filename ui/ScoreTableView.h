// The score table: the per-lesson grid and OK, mirrored from TfrmScoreTable.
// The grid's fixed row and column are the table's headers, so they stay in
// place while the lesson rows scroll. OK and the title bar's close button go
// to TfrmScoreTable through the guard.
#pragma once

#include "ui/SecondaryWindow.h"
#include "ui/ViewGuard.h"

class QTableWidget;

namespace vcq {
class TfrmScoreTable;
}

namespace vcq::ui {

class ScoreTableView : public SecondaryWindow {
 public:
  ScoreTableView(QWidget* owner, TfrmScoreTable& core, Guard guard);
  void Sync();

  // What the grid shows at a cell of the core's grid, fixed cells included.
  QString CellText(int row, int col) const;
  QTableWidget& Grid() { return *grid_; }

 private:
  void MirrorGrid();

  TfrmScoreTable& core_;
  QTableWidget* grid_;
  int fixedRows_ = -1;
  int fixedCols_ = -1;
};

}  // namespace vcq::ui
