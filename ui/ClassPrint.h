// The class table on paper or in a PDF: A4, one bank after another, each
// table split over pages with its header row repeated, and the date and the
// folder at the head of every page, and the heat map's legend under the
// first head, as on the window.
#pragma once

#include <QString>

class QPrinter;

namespace vcq {
struct ClassTable;
}

namespace vcq::ui {

void PrintClass(QPrinter& printer, const ClassTable& table, const QString& date);

}  // namespace vcq::ui
