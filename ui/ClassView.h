// The class window's view (screens/ClassWindow.h): the class table of each
// bank on a tab of its own, with the questions the class gets wrong below
// it, the heat map's legend, and the commands to read again, save as CSV
// and print. It only reads.
#pragma once

#include <QWidget>
#include <string>
#include <vector>

#include "screens/ClassWindow.h"

class QLabel;
class QTabWidget;
class QTableWidget;

namespace vcq::ui {

class ClassView : public QWidget {
 public:
  // `table` is the class as already read from `places`.
  ClassView(std::vector<std::string> places, ClassTable table, QWidget* parent = nullptr);

  void Reread();   // F5
  void SaveCsv();  // Ctrl+S
  void Print();    // Ctrl+P
  // Sorts the current tab by `column`, as a click on its header does.
  void SortBy(int column);

 private:
  void Fill();
  void FillSection(int index);
  int Current() const;
  // Ctrl+Up, Ctrl+Down: the current cell's column, rising or falling.
  void SortByKey(bool descending);

  ClassWindow window_;
  QLabel* head_ = nullptr;
  QTabWidget* tabs_ = nullptr;
  std::vector<QTableWidget*> grids_;
};

// F8 of the main window: asks for a folder and shows its class in a window
// of its own over `parent`; a folder without records is said in a message.
void AskForClass(QWidget* parent);

}  // namespace vcq::ui
