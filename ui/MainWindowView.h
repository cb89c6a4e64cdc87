// The main window on screen: the command bar, the bank title, the player
// name and the lesson labels of the score map, all mirrored from TfrmMain.
// Keys, clicks and the close button go to TfrmMain through the guard.
#pragma once

#include <QWidget>
#include <vector>

#include "app/MainWindow.h"
#include "ui/Mirroring.h"
#include "ui/ViewGuard.h"

class QPainter;

namespace vcq::ui {

class CommandButton;

class MainWindowView : public QWidget {
 public:
  MainWindowView(TfrmMain& core, Guard guard, const QString& pictureDir);
  void Sync();
  const MirrorList& Mirrors() const { return mirrors_; }
  // The score map as a screen reader reads it (ui/Accessible).
  const ScoreMap& Map() const { return core_.map; }

 protected:
  void paintEvent(QPaintEvent* e) override;
  void keyPressEvent(QKeyEvent* e) override;
  void closeEvent(QCloseEvent* e) override;

 private:
  void BuildCommandBar(QWidget* bar, const QString& pictureDir);
  // Each command is read by a screen reader with the key and caption
  // under it.
  void NameCommands(QWidget* bar);
  // The score map's cells are drawn here, over the background and under
  // the lesson labels.
  void PaintScoreMap(QPainter& p);
  // In high contrast, a mark in each cell for its level, so that the levels
  // differ by more than their colours.
  void PaintMapMarks(QPainter& p);

  TfrmMain& core_;
  Guard guard_;
  MirrorList mirrors_;
  // The score map as last painted: a sync that finds the core's list
  // unchanged costs no repaint.
  std::vector<MapRect> paintedMap_;
};

}  // namespace vcq::ui
