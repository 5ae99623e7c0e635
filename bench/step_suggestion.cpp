// The step suggestion on a 120-step test: on the points alone, and from the test record (reading
// Pe and r with atof, as the form and the command line do).
#include <benchmark/benchmark.h>

#include "core/step_suggestion.h"
#include "tests/support/reduced_steps.h"

namespace {

using namespace vek;

testing::CurvePoints Curve120() {
  testing::ThreePieceCurve c;
  c.steps = kMaxTestRows;
  c.firstBreak = 18;
  c.secondBreak = 90;
  c.peStep = 20;
  c.noise = 0.003;
  return testing::MakeCurve(c);
}

void BM_SuggestSteps120(benchmark::State& state) {
  const testing::CurvePoints p = Curve120();
  for (auto _ : state) benchmark::DoNotOptimize(SuggestSteps(p.pe, p.r));
}
BENCHMARK(BM_SuggestSteps120)->Unit(benchmark::kMicrosecond);

void BM_SuggestAnalysisRows120(benchmark::State& state) {
  RecordStore store;
  testing::FillReducedSteps(store.test, Curve120());
  for (auto _ : state) benchmark::DoNotOptimize(SuggestAnalysisRows(store));
}
BENCHMARK(BM_SuggestAnalysisRows120)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
