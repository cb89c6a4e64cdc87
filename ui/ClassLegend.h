// The heat map's scale of the class table: one swatch per step of the
// rates, with the range it stands for. The window and its printout show the
// same legend, so a printed page reads as the window does.
#pragma once

#include <QString>
#include <vector>

#include "platform/Colors.h"

namespace vcq::ui {

struct LegendSwatch {
  QString range;  // "0–19", ..., "100"
  Rgb fill;
  Rgb ink;
};

QString LegendTitle();  // before the swatches
std::vector<LegendSwatch> LegendSwatches();
QString LegendNote();  // after them: what the last row holds

}  // namespace vcq::ui
