// The test grid opens on a record whose steps were never reduced: every data line is reduced for
// the grid and its graph, not only the first.
#include <gtest/gtest.h>

#include <string>

#include "core/header_fields.h"
#include "core/messages.h"
#include "forms/logic/measurement_grid_logic.h"

namespace vek {
namespace {

TEST(GridOpeningTest, EveryDataLineIsReducedWhenTheGridOpens) {
  RecordStore store;
  SheetSettings settings;
  RecordingMessageSink sink;
  AutoIncrementMemory memory;
  store.test.Header(hf::StandpipeInitialLevel) = "2";
  store.test.Header(hf::PeScaleMax) = "1600";
  const int lines = 4;
  for (int r = 1; r <= lines; ++r) {
    store.test.Test(r, tf::Pressure) = std::to_string(100 * r);
    store.test.Test(r, tf::Reading15) = std::to_string(10 + 3 * r);
    store.test.Test(r, tf::Reading30) = std::to_string(11 + 3 * r);
    store.test.Test(r, tf::Reading60) = std::to_string(12 + 4 * r);
  }
  MeasurementGridLogic grid(store, settings, VekGridKind(), sink, memory);
  for (int line = 1; line <= lines; ++line) {
    // H = 60 s reading less the initial level; dH its growth from 30 s to 60 s.
    EXPECT_EQ(grid.Cell(line, tf::H), std::to_string(10 + 4 * line)) << line;
    EXPECT_EQ(grid.Cell(line, tf::DH), std::to_string(1 + line)) << line;
  }
  EXPECT_TRUE(grid.Cell(lines + 1, tf::H).empty());
}

}  // namespace
}  // namespace vek
