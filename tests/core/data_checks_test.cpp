// Data checks: a consistent test or calibration gives no finding; each kind of fault is found at
// its step or row, and only there.
#include "core/data_checks.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "core/analysis.h"
#include "core/cal_curve.h"
#include "core/messages.h"
#include "core/number_format.h"
#include "core/step_reduction.h"

namespace vek {
namespace {

// A calibration of 15 rows (P, H', H with the initial level 3.0), fitted.
void FillCalibration(Record& cal) {
  const char* rows[][2] = {{"0", "3.0"},    {"10", "5.0"},   {"20", "7.1"},   {"40", "11.3"}, {"60", "15.7"},
                           {"80", "20.3"},  {"100", "25.0"}, {"120", "29.9"}, {"140", "34.9"}, {"160", "40.1"},
                           {"180", "45.5"}, {"200", "51.0"}, {"230", "59.6"}, {"260", "68.5"}, {"300", "81.0"}};
  cal.Header(hf::StandpipeInitialLevel) = "3.0";
  cal.Header(hf::CalCurveType) = "1";
  for (int r = 1; r <= 15; ++r) {
    cal.Cal(r, cf::Pressure) = rows[r - 1][0];
    cal.Cal(r, cf::Reading) = rows[r - 1][1];
  }
  RecomputeCalH(cal);
}

std::unique_ptr<RecordStore> FittedCalibration() {
  auto store = std::make_unique<RecordStore>();
  FillCalibration(store->calibration);
  NullMessageSink quiet;
  EXPECT_EQ(FitCalRegression(*store, 0, quiet), kFitOk);
  store->currentSheet = kCalibrationSheet;
  return store;
}

// A test of 12 steps attached to that calibration, reduced on the regression curve and analysed.
std::unique_ptr<RecordStore> AnalysedTest(const SheetSettings& settings) {
  auto store = FittedCalibration();
  Record& test = store->test;
  test.CalRows = store->calibration.CalRows;
  for (int i = hf::CalCoefficient1; i <= hf::CalCoefficient5; ++i) test.Header(i) = store->calibration.Header(i);
  store->RefreshTestCoefficients();
  test.Header(hf::CalFileName) = "cal.cdw";
  test.Header(hf::CalCurveType) = "1";
  test.Header(hf::StandpipeInitialLevel) = "5.0";
  test.Header(hf::PoissonRatio) = "0.35";
  for (int r = 1; r <= 12; ++r) {
    const double p = r == 1 ? 0 : 100.0 * (r - 1);
    const double base = 5.0 + 1.2 * r + 0.05 * r * r;
    test.Test(r, tf::Pressure) = FormatDouble("%g", p);
    test.Test(r, tf::GasPressure) = FormatDouble("%g", p + 8);
    for (int f = tf::Reading15; f <= tf::Reading120; ++f)
      test.Test(r, f) = FormatDouble("%.1f", base + 0.1 * r * (f - tf::Reading15) / 4.0);
  }
  store->currentSheet = kTestSheet;
  RunTestReduction(*store, settings);
  AnalysisResult result;
  EXPECT_TRUE(UpdateAnalysis(*store, settings, {3, 7, 11}, AnalysableRowCount(*store), 1, result));
  StoreAnalysis(*store, result);
  StoreFormulaLines(*store, result);
  return store;
}

struct Expected {
  FindingKind kind;
  FindingPlace place;
  int row;
};

std::string Describe(const std::vector<Finding>& findings) {
  std::string out;
  for (const Finding& f : findings) out += FindingLine(f) + "\n";
  return out;
}

TEST(DataChecksTest, ConsistentRecordsGiveNoFinding) {
  SheetSettings settings;
  auto test = AnalysedTest(settings);
  EXPECT_EQ(Describe(CheckTestRecord(*test, settings)), "");
  EXPECT_EQ(Describe(CheckCurrentRecord(*test, settings)), "");
  auto cal = FittedCalibration();
  EXPECT_EQ(Describe(CheckCurrentRecord(*cal, settings)), "");

  // On the straight-line curve the copied coefficients are never read, so they are not judged.
  test->test.Header(hf::CalCurveType) = "0";
  test->test.Header(hf::CalCoefficient1) = "_";
  RunTestReduction(*test, settings);
  AnalysisResult result;
  ASSERT_TRUE(UpdateAnalysis(*test, settings, {3, 7, 11}, AnalysableRowCount(*test), 1, result));
  StoreAnalysis(*test, result);
  EXPECT_EQ(Describe(CheckTestRecord(*test, settings)), "");
}

struct TestCase {
  const char* name;
  std::function<void(Record& test)> fault;
  std::vector<Expected> expected;
  bool reduceAgain = false;  // the fault is in the data and the stored results follow it
};

TEST(DataChecksTest, EachFaultOfATestIsFoundWhereItIs) {
  using K = FindingKind;
  using P = FindingPlace;
  const std::vector<TestCase> cases = {
      {"pressure repeated", [](Record& t) { t.Test(6, tf::Pressure) = t.Test(5, tf::Pressure); },
       {{K::PressureNotIncreasing, P::Step, 6}}, true},
      {"60 s reading below the 30 s one", [](Record& t) { t.Test(4, tf::Reading60) = "1.0"; },
       {{K::ReadingFalls, P::Step, 4}}, true},
      {"30 s reading empty between filled ones", [](Record& t) { t.Test(8, tf::Reading30).clear(); },
       {{K::ReadingGap, P::Step, 8}}, true},
      {"60 s reading empty: no H", [](Record& t) { t.Test(12, tf::Reading60).clear(); },
       {{K::ReadingGap, P::Step, 12}, {K::MissingBasisReading, P::Step, 12}}, true},
      {"120 s basis with the last 120 s reading missing",
       [](Record& t) {
         t.Header(hf::ReadingTimeBasis) = "1";
         t.Test(12, tf::Reading120).clear();
       },
       {{K::MissingBasisReading, P::Step, 12}}, true},
      {"a step without P ends the table",
       [](Record& t) { t.Test(10, tf::Pressure).clear(); },
       {{K::StepAfterEmptyPressure, P::Step, 10}}, true},
      {"reading changed after the reduction", [](Record& t) { t.Test(5, tf::Reading60) = t.Test(5, tf::Reading120); },
       {{K::StaleReduction, P::Step, 5}}},
      {"probe radius changed after the reduction: offset and every step", [](Record& t) {
         t.Header(hf::SondeRadius) = "4.5";
       },
       {}},
      {"chosen step outside the analysable rows", [](Record& t) { t.Header(hf::PlPoint) = "13"; },
       {{K::StepOutOfRange, P::Record, 0}}},
      {"result typed over", [](Record& t) { t.Header(hf::EModulus) = "12.5"; }, {{K::StaleAnalysis, P::Record, 0}}},
      {"no calibration attached",
       [](Record& t) {
         t.Header(hf::CalFileName).clear();
         for (auto& row : t.CalRows) row = CalRow{};
       },
       {{K::NoCalibration, P::Record, 0}}, true},
      {"calibration named but its rows empty",
       [](Record& t) {
         for (auto& row : t.CalRows) row = CalRow{};
       },
       {{K::CalibrationRowsEmpty, P::Record, 0}}, true},
      {"regression curve without coefficients",
       [](Record& t) {
         for (int i = hf::CalCoefficient1; i <= hf::CalCoefficient5; ++i) t.Header(i) = "_";
       },
       {{K::NoCoefficients, P::Record, 0}}, true},
      {"coefficients of another calibration",
       [](Record& t) { t.Header(hf::CalCoefficient2) = "6.5"; },
       {{K::StaleCoefficients, P::Record, 0}, {K::LargeResidual, P::CalibrationRow, 15}}, true},
      {"a calibration point far off the curve",
       [](Record& t) {
         t.Cal(8, cf::Pressure) = "190";
       },
       {{K::StaleCoefficients, P::Record, 0}, {K::LargeResidual, P::CalibrationRow, 8}}, true},
  };
  SheetSettings settings;
  for (const TestCase& c : cases) {
    SCOPED_TRACE(c.name);
    auto store = AnalysedTest(settings);
    c.fault(store->test);
    store->RefreshTestCoefficients();
    if (c.reduceAgain) {
      RunTestReduction(*store, settings);
      // Keep the analysis in step with the data, so that only the fault itself is found.
      const int n = AnalysableRowCount(*store);
      AnalysisResult result;
      const AnalysisRows rows{3, 7, std::min(11, n)};
      if (n >= 7 && UpdateAnalysis(*store, settings, rows, n, 1, result)) StoreAnalysis(*store, result);
    }
    const std::vector<Finding> found = CheckTestRecord(*store, settings);
    if (c.expected.empty()) {
      // The radius case: the offset is unchanged (it depends on PG - P only) but every r is stale.
      int stale = 0;
      for (const Finding& f : found) stale += f.kind == K::StaleReduction && f.place == P::Step;
      EXPECT_EQ(stale, 12) << Describe(found);
      continue;
    }
    ASSERT_EQ(found.size(), c.expected.size()) << Describe(found);
    for (size_t i = 0; i < found.size(); ++i) {
      EXPECT_EQ(found[i].kind, c.expected[i].kind) << Describe(found);
      EXPECT_EQ(found[i].place, c.expected[i].place) << Describe(found);
      EXPECT_EQ(found[i].row, c.expected[i].row) << Describe(found);
      EXPECT_FALSE(found[i].text.empty());
    }
  }
}

TEST(DataChecksTest, AnEmptyTestSaysSoAndNothingElseAboutSteps) {
  RecordStore store;
  const auto found = CheckTestRecord(store, SheetSettings{});
  ASSERT_EQ(found.size(), 2u) << Describe(found);
  EXPECT_EQ(found[0].kind, FindingKind::NoSteps);
  EXPECT_EQ(found[1].kind, FindingKind::NoCalibration);
}

TEST(DataChecksTest, CalibrationFaultsAreFoundAtTheirRows) {
  using K = FindingKind;
  auto store = FittedCalibration();
  Record& cal = store->calibration;
  const auto fitted = CoefficientTexts(cal);

  cal.Cal(5, cf::Pressure) = "40";  // same as row 4, and 20 kN/m2 off the curve
  cal.Cal(9, cf::Reading) = "29.0";  // below row 8's 29.9, and H not refreshed
  cal.Cal(12, cf::Reading).clear();
  auto found = CheckCalibrationRecord(cal, fitted);
  std::vector<std::pair<K, int>> got;
  for (const Finding& f : found) got.emplace_back(f.kind, f.row);
  const std::vector<std::pair<K, int>> want = {{K::PressureNotIncreasing, 5}, {K::ReadingFalls, 9},
                                               {K::StaleCalibrationH, 9},     {K::ReadingGap, 12},
                                               {K::StaleCoefficients, 0},     {K::LargeResidual, 5}};
  EXPECT_EQ(got, want) << Describe(found);

  // Five rows cannot carry the regression curve it asks for.
  auto few = FittedCalibration();
  for (int r = 6; r <= kMaxCalRows; ++r) few->calibration.CalRows[r] = CalRow{};
  found = CheckCalibrationRecord(few->calibration, {"_", "_", "_", "_", "_"});
  ASSERT_EQ(found.size(), 1u) << Describe(found);
  EXPECT_EQ(found[0].kind, K::CalibrationTooFewRows);
}

// A row holding only one of P and H' (or H) is reported at that row, the rows after it are still
// checked, and the curve is judged on the rows before it only: they are the rows the fit uses.
TEST(DataChecksTest, ARowWithOnlyOneOfPAndHIsReportedAndEndsTheFittedRows) {
  using K = FindingKind;
  auto kinds = [](const std::vector<Finding>& found) {
    std::vector<std::pair<K, int>> got;
    for (const Finding& f : found) got.emplace_back(f.kind, f.row);
    return got;
  };
  {
    auto store = FittedCalibration();
    Record& cal = store->calibration;
    const auto fitted = CoefficientTexts(cal);
    cal.Cal(14, cf::Pressure).clear();  // H' and H without P
    cal.Cal(15, cf::H) = "99";
    const auto found = CheckCalibrationRecord(cal, fitted);
    const std::vector<std::pair<K, int>> want = {{K::ReadingGap, 14}, {K::StaleCalibrationH, 15}, {K::StaleCoefficients, 0}};
    EXPECT_EQ(kinds(found), want) << Describe(found);
    EXPECT_EQ(FindingLine(found[0]), "CAL 行 14: セル水圧が空です");
  }
  {
    auto store = FittedCalibration();
    Record& cal = store->calibration;
    const auto fitted = CoefficientTexts(cal);
    cal.Cal(14, cf::Reading).clear();  // P without H' and H
    cal.Cal(14, cf::H).clear();
    const auto found = CheckCalibrationRecord(cal, fitted);
    const std::vector<std::pair<K, int>> want = {{K::ReadingGap, 14}, {K::StaleCoefficients, 0}};
    EXPECT_EQ(kinds(found), want) << Describe(found);
    EXPECT_EQ(FindingLine(found[0]), "CAL 行 14: Ｈ’ が空です");
  }
}

}  // namespace
}  // namespace vek
