// Full reduction and analysis of a 120-step test on a straight-line and on a regression curve.
#include <benchmark/benchmark.h>

#include <string>

#include "core/analysis.h"
#include "core/cal_curve.h"
#include "core/header_fields.h"
#include "core/number_format.h"
#include "core/step_reduction.h"

namespace {

using namespace vek;

RecordStore MakeTest(const char* curveType) {
  RecordStore store;
  Record& t = store.test;
  t.Header(hf::StandpipeInitialLevel) = "10";
  t.Header(hf::ReadingTimeBasis) = "0";
  t.Header(hf::CalCurveType) = curveType;
  t.Header(hf::PoissonRatio) = "0.3";
  t.Header(hf::SondeRadius) = "4";
  t.Header(hf::SondeLength) = "60";
  t.Header(hf::StandpipeArea) = "108.5";
  // 39 calibration rows so the straight-line walk is as long as it gets.
  for (int r = 1; r <= 39; ++r) {
    store.TestCalRows()[r][cf::Pressure] = FormatDouble("%g", r * 10.0);
    store.TestCalRows()[r][cf::H] = FormatDouble("%g", r * 2.5 + 0.02 * r * r);
  }
  store.testCoefficients = {-2.9954, 5.55825, 0.402264, -0.0157245, 0.000241252};
  for (int r = 1; r <= kMaxTestRows; ++r) {
    const double reading = 10.0 + r * 0.9;
    t.Test(r, tf::Pressure) = FormatDouble("%g", r * 20.0);
    t.Test(r, tf::Reading15) = FormatDouble("%g", reading - 0.3);
    t.Test(r, tf::Reading30) = FormatDouble("%g", reading - 0.2);
    t.Test(r, tf::Reading60) = FormatDouble("%g", reading);
    t.Test(r, tf::Reading120) = FormatDouble("%g", reading + 0.1);
  }
  return store;
}

void ReduceAndAnalyse(benchmark::State& state, const char* curveType) {
  RecordStore store = MakeTest(curveType);
  const SheetSettings settings;
  for (auto _ : state) {
    RunTestReduction(store, settings);
    const int n = AnalysableRowCount(store);
    AnalysisResult result;
    UpdateAnalysis(store, settings, DefaultAnalysisRows(store, n), n, 1, result);
    StoreAnalysis(store, result);
    StoreFormulaLines(store, result);
    benchmark::DoNotOptimize(store.test.Header(hf::EModulus).data());
  }
}

void BM_ReduceAndAnalyseStraightLine(benchmark::State& state) { ReduceAndAnalyse(state, "0"); }
void BM_ReduceAndAnalyseRegression(benchmark::State& state) { ReduceAndAnalyse(state, "1"); }

BENCHMARK(BM_ReduceAndAnalyseStraightLine)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ReduceAndAnalyseRegression)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
