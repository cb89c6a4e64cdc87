// The benchmarks' main: Qt offscreen, with the program's font substitutes,
// so that the view benchmarks measure what the program does on a screen.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <cstdlib>

#include "ui/Fonts.h"

int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 1);
  QApplication app(argc, argv);
  vcq::ui::InstallFontSubstitutes();
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
