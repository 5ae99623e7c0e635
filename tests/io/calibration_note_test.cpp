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

// The calibration header form edits the loaded record; it must say when the test's sheet is drawn
// from another calibration file, also one of the same name in another folder.
TEST(CalibrationNote, TheCalibrationFormSaysWhetherTheTestUsesAnotherFile) {
  RecordStore store;
  store.calFilePath = "/data/cal-sample.cdw";
  EXPECT_EQ(CalibrationFormNote(store), "この見出しのCAL: cal-sample.cdw");  // no test attached
  store.test.Header(hf::CalFileName) = "/data/./cal-sample.cdw";
  EXPECT_EQ(CalibrationFormNote(store), "この見出しのCAL: cal-sample.cdw\n試験に添付されたCALと同じファイルです");
  store.test.Header(hf::CalFileName) = Sjis("/site/probe-2.cdw");
  EXPECT_NE(CalibrationFormNote(store).find("別のファイル (probe-2.cdw)"), std::string::npos);
  store.test.Header(hf::CalFileName) = "/old/cal-sample.cdw";
  EXPECT_NE(CalibrationFormNote(store).find("別のファイル (/old/cal-sample.cdw)"), std::string::npos);
  store.calFilePath.clear();  // nothing loaded: never "the same"
  EXPECT_NE(CalibrationFormNote(store).find("この見出しのCAL: なし\n試験の添付は別のファイル"), std::string::npos);
}

}  // namespace
}  // namespace vek
