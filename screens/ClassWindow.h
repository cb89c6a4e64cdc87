// The class window without its screen: the class as read from its places,
// and how each bank's table is sorted. Sorting and reading again are here;
// the view only draws the table and asks for files and printers.
#pragma once

#include <string>
#include <vector>

#include "screens/ClassTable.h"

namespace vcq {

class ClassWindow {
 public:
  // `table` is the class as already read from `places`.
  ClassWindow(std::vector<std::string> places, ClassTable table);

  const ClassTable& Table() const { return table_; }

  // How a section is sorted: by `column` (-1: as read), rising or falling.
  struct Sort {
    int column = -1;
    bool descending = false;
  };
  Sort SortOf(int section) const;

  // A click on a column's header: rising, then falling on the second click.
  // False (nothing done) for a section or column that is not there.
  bool SortBy(int section, int column);
  // Ctrl+Up, Ctrl+Down: by `column`, brought into the section's columns.
  // Returns the column sorted by, or -1 for a section that is not there.
  int SortByKey(int section, int column, bool descending);
  // F5: reads the places again. Each bank's table stays sorted as it was,
  // where it still has that column.
  void Reread();

 private:
  bool HasSection(int section) const;
  void Apply(int section, Sort sort);

  std::vector<std::string> places_;
  ClassTable table_;
  std::vector<Sort> sorts_;  // one per section
};

}  // namespace vcq
