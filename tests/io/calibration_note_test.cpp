// The status bar's note of which calibration is loaded and which one the test names.
#include <gtest/gtest.h>

#include "core/encoding.h"
#include "io/calibration_note.h"

namespace vek {
namespace {

TEST(CalibrationNote, NamesTheLoadedRecordAndTheTestsAttachedFileApart) {
  RecordStore store;
  EXPECT_EQ(CalibrationNote(store), "CAL: なし ／ 試験の添付: なし");
  store.calibration.Cal(1, cf::Pressure) = "10";  // typed, never saved
  store.test.Header(hf::CalFileName) = Sjis("D:\\現場\\No.2.cdw");
  EXPECT_EQ(CalibrationNote(store), "CAL: 無題 ／ 試験の添付: No.2.cdw");
  store.calFilePath = "/data/cal-sample.cdw";
  EXPECT_EQ(CalibrationNote(store), "CAL: cal-sample.cdw ／ 試験の添付: No.2.cdw");
}

}  // namespace
}  // namespace vek
