#include <gtest/gtest.h>

#include "core/analysis.h"
#include "core/header_fields.h"
#include "core/messages.h"
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

}  // namespace
}  // namespace vek
