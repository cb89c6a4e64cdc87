// One sentence of 18 words, the most a question holds, synthesized by
// espeak-ng into a buffer as the drill does on a right answer (the library
// loaded and its voice set before timing). Target: well under 100 ms.
#include <benchmark/benchmark.h>

#include "ui/EspeakSynth.h"

namespace vcq::bench {
namespace {

constexpr const char* kEighteenWords =
    "When I was young, my father often took me to the river to catch fish on summer "
    "mornings.";

void Speech_Synthesize18Words(benchmark::State& state) {
  ui::SynthesizeEnglish("Hello.");  // the first call loads the library
  double seconds = 0;
  for (auto _ : state) {
    const ui::Pcm pcm = ui::SynthesizeEnglish(kEighteenWords);
    seconds = pcm.Seconds();
    benchmark::DoNotOptimize(pcm.samples.data());
  }
  state.counters["audio_s"] = seconds;
}
BENCHMARK(Speech_Synthesize18Words)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
}  // namespace vcq::bench
