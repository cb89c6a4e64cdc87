#include "screens/ClassWindow.h"

#include <algorithm>
#include <map>
#include <utility>

namespace vcq {

ClassWindow::ClassWindow(std::vector<std::string> places, ClassTable table)
    : places_(std::move(places)), table_(std::move(table)), sorts_(table_.sections.size()) {}

bool ClassWindow::HasSection(int section) const {
  return section >= 0 && section < static_cast<int>(table_.sections.size());
}

ClassWindow::Sort ClassWindow::SortOf(int section) const {
  return HasSection(section) ? sorts_[section] : Sort{};
}

void ClassWindow::Apply(int section, Sort sort) {
  sorts_[section] = sort;
  SortRows(table_.sections[section], sort.column, sort.descending);
}

bool ClassWindow::SortBy(int section, int column) {
  if (!HasSection(section) || column < 0 || column >= ColumnCount(table_.sections[section]))
    return false;
  const Sort was = sorts_[section];
  Apply(section, {column, was.column == column && !was.descending});
  return true;
}

int ClassWindow::SortByKey(int section, int column, bool descending) {
  if (!HasSection(section)) return -1;
  column = std::clamp(column, 0, ColumnCount(table_.sections[section]) - 1);
  Apply(section, {column, descending});
  return column;
}

void ClassWindow::Reread() {
  // A bank is known by its path from one reading to the next.
  std::map<std::string, Sort> kept;
  for (std::size_t i = 0; i < table_.sections.size(); ++i)
    if (sorts_[i].column >= 0) kept[table_.sections[i].bankPath] = sorts_[i];
  table_ = ReadClass(places_);
  sorts_.assign(table_.sections.size(), Sort{});
  for (std::size_t i = 0; i < table_.sections.size(); ++i) {
    const auto k = kept.find(table_.sections[i].bankPath);
    if (k != kept.end() && k->second.column < ColumnCount(table_.sections[i]))
      Apply(static_cast<int>(i), k->second);
  }
}

}  // namespace vcq
