// What the reader of a data file cannot take over, found from the file's bytes.
#include <gtest/gtest.h>

#include <filesystem>

#include "io/data_file_fixtures.h"
#include "io/data_file_losses.h"
#include "io/data_file_writer.h"
#include "support/temp_dir.h"

namespace vek {
namespace {

std::string Rows(int n, const char* row) {
  std::string out;
  for (int i = 0; i < n; ++i) out += std::string(row) + "\r\n";
  return out;
}

// A current-format test file with `header` header lines, `rows` test rows and `cal` calibration rows.
std::string TestFile(int header, int rows, int cal) {
  return std::string(kTestMagic) + "\r\n$$Z\r\n" + Rows(header, "h") + "$$A\r\n" + Rows(rows, "100,0,1,2,3,4") +
         "$$C\r\n" + Rows(cal, "10,2,3");
}

TEST(DataFileLosses, FindsWhatTheReaderLeavesBehind) {
  struct Case {
    const char* what;
    std::string bytes;
    DataKind kind;
    DataFileLosses expected;
  };
  const std::string full = TestFile(90, 120, 40);
  const std::string calFile =
      std::string(kCalibrationMagic) + "\r\n$$Z\r\n" + Rows(90, "h") + "$$C\r\n" + Rows(43, "10,2,3");
  const Case cases[] = {
      {"a full file", full, DataKind::Test, {}},
      {"rows past 120", TestFile(90, 125, 40), DataKind::Test, {.droppedTestRows = 5}},
      {"empty lines past 120 are no data", TestFile(90, 120, 0) + "\r\n", DataKind::Test, {}},
      {"calibration rows past 40", calFile, DataKind::Calibration, {.droppedCalRows = 3}},
      {"header lines past 90", TestFile(92, 1, 1), DataKind::Test, {.droppedHeaderLines = 2}},
      {"cut inside the header", full.substr(0, 201), DataKind::Test,
       {.shortHeader = true, .missingSection = true, .lastLineCut = true}},
      {"cut after the test rows", TestFile(90, 3, 0).substr(0, TestFile(90, 3, 0).size() - 5), DataKind::Test,
       {.missingSection = true}},
      {"cut inside a row", full.substr(0, full.size() - 3), DataKind::Test, {.lastLineCut = true}},
  };
  for (const Case& c : cases) {
    const DataFileLosses l = InspectDataFile(c.bytes, c.kind == DataKind::Test ? kVersionTest : kVersionCalibration, c.kind);
    EXPECT_EQ(l.droppedTestRows, c.expected.droppedTestRows) << c.what;
    EXPECT_EQ(l.droppedCalRows, c.expected.droppedCalRows) << c.what;
    EXPECT_EQ(l.droppedHeaderLines, c.expected.droppedHeaderLines) << c.what;
    EXPECT_EQ(l.shortHeader, c.expected.shortHeader) << c.what;
    EXPECT_EQ(l.missingSection, c.expected.missingSection) << c.what;
    EXPECT_EQ(l.lastLineCut, c.expected.lastLineCut) << c.what;
    EXPECT_EQ(l.Any(), !DescribeLosses(l).empty()) << c.what;
  }
}

TEST(DataFileLosses, FilesThisProgramWritesAndTheSamplesAreWhole) {
  RecordStore store;
  testing::FillFullTest(store);
  testing::FillFullCalibration(store);
  EXPECT_FALSE(InspectDataFile(WriteTestFile(store), kVersionTest, DataKind::Test).Any());
  EXPECT_FALSE(InspectDataFile(WriteCalibrationFile(store), kVersionCalibration, DataKind::Calibration).Any());
  EXPECT_FALSE(InspectDataFile(WriteTestFile(RecordStore{}), kVersionTest, DataKind::Test).Any());
  const std::filesystem::path samples = VEK_SAMPLES_DIR;
  EXPECT_FALSE(InspectDataFile(testing::ReadFileBytes(samples / "test-sample.vdw"), kVersionTest, DataKind::Test).Any());
  EXPECT_FALSE(
      InspectDataFile(testing::ReadFileBytes(samples / "cal-sample.cdw"), kVersionCalibration, DataKind::Calibration)
          .Any());
  // Layouts of other generations are not judged.
  EXPECT_FALSE(InspectDataFile(TestFile(45, 130, 0), kVersionTestV3, DataKind::Test).Any());
}

}  // namespace
}  // namespace vek
