#include <gtest/gtest.h>

#include "core/analysis.h"
#include "core/encoding.h"
#include "core/number_format.h"
#include "core/header_fields.h"
#include "core/messages.h"
#include "io/data_file_reader.h"
#include "io/record_commands.h"

namespace vek {
namespace {

TEST(RecordCommandsTest, ReductionWarnsOnlyWhenAskedAndTheCalibrationCopyIsUnusable) {
  RecordStore store;
  SheetSettings settings;
  RecordingMessageSink sink;
  ReduceTestRecord(store, settings, sink, false);
  EXPECT_TRUE(sink.shown.empty());
  ReduceTestRecord(store, settings, sink, true);
  ASSERT_EQ(sink.shown.size(), 1u);
  EXPECT_EQ(sink.shown[0], NumberedMessage(msg::BadCalData));

  store.test.Cal(1, 1) = "0";
  store.test.Cal(1, 3) = "abc";
  EXPECT_FALSE(HasUsableCalibrationCopy(store));
  store.test.Cal(1, 3) = "0.5";
  EXPECT_TRUE(HasUsableCalibrationCopy(store));
}

TEST(RecordCommandsTest, AnalysisRefusesStepsOutsideTheReducedRows) {
  RecordStore store;
  SheetSettings settings;
  EXPECT_EQ(AnalyseTestRecord(store, settings, {1, 2, 3}, 1), AnalyseOutcome::NoReducedSteps);
  for (int row = 1; row <= 4; ++row) {
    store.test.Test(row, 11) = std::to_string(100 * row);
    store.test.Test(row, 12) = std::to_string(3.0 + 0.1 * row);
  }
  EXPECT_EQ(AnalyseTestRecord(store, settings, {1, 2, 5}, 1), AnalyseOutcome::StepOutOfRange);
  EXPECT_EQ(AnalyseTestRecord(store, settings, {0, 2, 4}, 1), AnalyseOutcome::StepOutOfRange);
  EXPECT_TRUE(store.test.Header(hf::PoPoint).empty());
  EXPECT_EQ(AnalyseTestRecord(store, settings, {1, 2, 4}, 1), AnalyseOutcome::Done);
  EXPECT_EQ(store.test.Header(hf::PoPoint), "1");
}

// The sample test, analysed at steps 5, 13 and 24 with the sign "･".
RecordStore AnalysedSample(const SheetSettings& settings) {
  RecordStore store;
  DataParserState parser;
  RecordingMessageSink sink;
  const std::filesystem::path sample = std::filesystem::path(VEK_SAMPLES_DIR) / "test-sample.vdw";
  EXPECT_TRUE(LoadDataFile(sample, store, settings, parser, sink).ok());
  return store;
}

TEST(RecordCommandsTest, ReductionRecomputesTheStoredAnalysisOnlyWhenItsResultsChange) {
  SheetSettings settings;
  RecordingMessageSink sink;
  RecordStore store = AnalysedSample(settings);
  // Nothing that reaches the reduction changed: the record, hand-edited lines included, stays.
  store.test.Header(hf::FormulaPoText) = "Po=121.35 (hand)";
  const RecordStore before = store;
  EXPECT_EQ(ReduceTestAndRefreshAnalysis(store, settings, sink, false), AnalysisRefresh::Nothing);
  EXPECT_EQ(store.test.HeaderFields, before.test.HeaderFields);

  // A new Poisson ratio: E and its line follow, with the steps and the sign the record had.
  store.test.Header(hf::PoissonRatio) = "0.45";
  EXPECT_EQ(ReduceTestAndRefreshAnalysis(store, settings, sink, false), AnalysisRefresh::Recomputed);
  EXPECT_NEAR(std::atof(store.test.Header(hf::EModulus).c_str()),
              std::atof(before.test.Header(hf::EModulus).c_str()) * 1.45 / 1.35, 1e-3);
  EXPECT_EQ(store.test.Header(hf::FormulaEText).substr(0, 9), Sjis("E =1.45･0"));
  EXPECT_EQ(store.test.Header(hf::FormulaPoText), "Po=121.35 ");
  EXPECT_EQ(store.test.Header(hf::PlPoint), "24");

  // A reading at the Py' step: K, rm and E follow.
  store.test.Test(13, tf::Reading60) = FormatDouble("%g", std::atof(store.test.Test(13, tf::Reading60).c_str()) + 0.5);
  EXPECT_EQ(ReduceTestAndRefreshAnalysis(store, settings, sink, false), AnalysisRefresh::Recomputed);
  EXPECT_NE(store.test.Header(hf::KValue), before.test.Header(hf::KValue));
  EXPECT_TRUE(sink.shown.empty());
}

TEST(RecordCommandsTest, RecomputedLinesKeepTheSignTheStoredLineShows) {
  SheetSettings settings;
  RecordStore store = AnalysedSample(settings);
  for (int sign : {2, 3, 1}) {
    SCOPED_TRACE(sign);
    ASSERT_EQ(AnalyseTestRecord(store, settings, {5, 13, 24}, sign), AnalyseOutcome::Done);
    EXPECT_EQ(StoredSignChoice(store), sign);
    const TextField line = store.test.Header(hf::FormulaEText);
    store.test.Header(hf::PoissonRatio) = sign == 2 ? "0.3" : sign == 3 ? "0.25" : "0.4";
    ASSERT_EQ(RefreshTestAnalysis(store, settings), AnalysisRefresh::Recomputed);
    EXPECT_EQ(store.test.Header(hf::FormulaEText).substr(7, 1), line.substr(7, 1));  // after "E =1.35"
  }
  store.test.Header(hf::FormulaEText) = "E =";
  EXPECT_EQ(StoredSignChoice(store), 1);
}

TEST(RecordCommandsTest, AStoredStepThatNoLongerExistsClearsTheResultsOnce) {
  SheetSettings settings;
  RecordingMessageSink sink;
  RecordStore store = AnalysedSample(settings);
  // The last step (Pl') loses its P: 23 analysable steps remain.
  for (int f = tf::Pressure; f <= tf::R; ++f) store.test.Test(24, f).clear();
  EXPECT_EQ(ReduceTestAndRefreshAnalysis(store, settings, sink, false), AnalysisRefresh::Cleared);
  for (int f : {hf::Po, hf::PyNet, hf::PlNet, hf::MeanRadius, hf::KValue, hf::EModulus, hf::FormulaPlText,
                hf::FormulaEText})
    EXPECT_EQ(store.test.Header(f), "") << f;
  EXPECT_EQ(store.test.Header(hf::PlPoint), "24");  // the choice stays for the analysis form
  EXPECT_EQ(ReduceTestAndRefreshAnalysis(store, settings, sink, false), AnalysisRefresh::Nothing);
  // Back in range, the stored steps give results again.
  store.test.Header(hf::PlPoint) = "23";
  EXPECT_EQ(RefreshTestAnalysis(store, settings), AnalysisRefresh::Recomputed);
  EXPECT_FALSE(store.test.Header(hf::PlNet).empty());

  // A test never analysed is left alone.
  RecordStore fresh = AnalysedSample(settings);
  for (int f = hf::PoPoint; f <= hf::PlPoint; ++f) fresh.test.Header(f).clear();
  fresh.test.Header(hf::PoissonRatio) = "0.2";
  const RecordStore before = fresh;
  EXPECT_EQ(RefreshTestAnalysis(fresh, settings), AnalysisRefresh::Nothing);
  EXPECT_EQ(fresh.test.HeaderFields, before.test.HeaderFields);
}

}  // namespace
}  // namespace vek
