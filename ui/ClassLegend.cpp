#include "ui/ClassLegend.h"

#include <iterator>

namespace vcq::ui {

QString LegendTitle() {
  return QStringLiteral("習得率・評価:");
}

std::vector<LegendSwatch> LegendSwatches() {
  std::vector<LegendSwatch> out;
  const int steps = static_cast<int>(std::size(classcolors::kHeat));
  for (int i = 0; i < steps; ++i) {
    const auto& s = classcolors::kHeat[i];
    const QString range =
        i + 1 < steps ? QStringLiteral("%1–%2").arg(s.from).arg(classcolors::kHeat[i + 1].from - 1)
                      : QString::number(s.from);
    out.push_back({range, s.fill, s.text});
  }
  return out;
}

QString LegendNote() {
  return QStringLiteral("最後の行: クラスの平均 (全問を習得した人数)");
}

}  // namespace vcq::ui
