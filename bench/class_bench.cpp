// A teacher's class: from the records on disk to the filled class window,
// for a class of 40 and a school year of 1,000 records on the 600-question
// bank. Each record is the bench record under a name of its own.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <string>

#include "bench/BenchFiles.h"
#include "screens/ClassTable.h"
#include "ui/ClassView.h"

namespace vcq::bench {

namespace {

// A folder of `n` records, made once per size beside the bench bank.
std::string ClassFolder(int n) {
  static std::map<int, std::string> made;
  auto& dir = made[n];
  if (!dir.empty()) return dir;
  const BenchFiles& f = Files();
  const std::filesystem::path folder = f.dir / ("class" + std::to_string(n));
  std::filesystem::create_directories(folder);
  for (int i = 0; i < n; ++i) {
    std::ofstream out(folder / ("learner" + std::to_string(i) + ".ret"), std::ios::binary);
    out << f.recordBytes;
  }
  dir = folder.string();
  return dir;
}

void BM_ReadClass(benchmark::State& state) {
  const std::string folder = ClassFolder(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    ClassTable t = ReadClass({folder});  // DoNotOptimize wants a value it may change
    benchmark::DoNotOptimize(t.records);
  }
}
BENCHMARK(BM_ReadClass)->Arg(40)->Arg(1000)->Unit(benchmark::kMillisecond);

// What `vcquick --class` does before the window is painted: read, then fill.
void BM_ClassWindow(benchmark::State& state) {
  const std::string folder = ClassFolder(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    ui::ClassView view({folder}, ReadClass({folder}));
    benchmark::DoNotOptimize(&view);
  }
}
BENCHMARK(BM_ClassWindow)->Arg(40)->Arg(1000)->Unit(benchmark::kMillisecond);

}  // namespace

}  // namespace vcq::bench
