// The cost of the handlers themselves, on a window that does nothing.
#include <benchmark/benchmark.h>

#include "bench/null_window.h"
#include "window/form1.h"

namespace lumora::bench {
namespace {

void BM_Draw(benchmark::State& state) {
    SplitMixRandom random(ClockSeed());
    float value = 1;
    for (auto _ : state) {
        value = random.Draw(value);
        benchmark::DoNotOptimize(value);
    }
}
BENCHMARK(BM_Draw);

// Runs one handler again and again on a started window that draws nothing.
template <void (Viewer::*Handler)()>
void runStarted(benchmark::State& state) {
    NullWindow window;
    SplitMixRandom random;
    Form1 form{window, random, ""};
    form.Form_Load();
    for (auto _ : state) (form.viewer().*Handler)();
}

void BM_ShowNextVerse(benchmark::State& state) {
    runStarted<&Viewer::Label1_Click>(state);
}
BENCHMARK(BM_ShowNextVerse)->Unit(benchmark::kMicrosecond)->Repetitions(9)->ReportAggregatesOnly();

void BM_Spin(benchmark::State& state) {
    runStarted<&Viewer::mnuSpin_Click>(state);
}
BENCHMARK(BM_Spin)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly();

}  // namespace
}  // namespace lumora::bench
