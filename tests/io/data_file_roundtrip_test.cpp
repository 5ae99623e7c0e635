// Files written by the program read back into the same record and write the same bytes again.
#include <gtest/gtest.h>

#include "core/messages.h"
#include "io/data_file_fixtures.h"
#include "io/data_file_reader.h"
#include "io/data_file_writer.h"
#include "support/temp_dir.h"

namespace vek {
namespace {

using testing::ReadFileBytes;
using testing::SameRecord;

TEST(DataFileRoundTrip, FullTestRecordThroughBothReaders) {
  RecordStore original;
  testing::FillFullTest(original);
  const std::string bytes = WriteTestFile(original);
  SheetSettings settings;

  RecordStore viaOpen;
  DataParserState state;
  RecordingMessageSink sink;
  LoadOutcome o = LoadDataBytes(bytes, "full.vdw", viaOpen, settings, state, sink);
  ASSERT_TRUE(o.ok());
  EXPECT_EQ(o.code, kVersionTest);
  EXPECT_EQ(viaOpen.currentSheet, kTestSheet);
  EXPECT_TRUE(SameRecord(viaOpen.test, original.test));
  EXPECT_EQ(WriteTestFile(viaOpen), bytes);
  EXPECT_EQ(viaOpen.testCoefficients[0], std::atof(original.test.Header(25).c_str()));

  RecordStore viaFramework;
  ASSERT_TRUE(LoadDataBytesFramework(bytes, viaFramework, settings, state, sink).ok());
  EXPECT_TRUE(SameRecord(viaFramework.test, original.test));
  EXPECT_EQ(WriteTestFile(viaFramework), bytes);
  EXPECT_EQ(viaFramework.testFilePath, "*.vdw");
  EXPECT_TRUE(sink.shown.empty());
}

TEST(DataFileRoundTrip, FullCalibrationRecordIsRefittedToTheSameCoefficients) {
  RecordStore original;
  testing::FillFullCalibration(original);
  const std::string bytes = WriteCalibrationFile(original);
  RecordStore back;
  back.test.Header(1) = "other record";
  DataParserState state;
  RecordingMessageSink sink;
  ASSERT_TRUE(LoadDataBytes(bytes, "full.cdw", back, SheetSettings{}, state, sink).ok());
  EXPECT_EQ(back.currentSheet, kCalibrationSheet);
  EXPECT_TRUE(SameRecord(back.calibration, original.calibration));
  EXPECT_EQ(back.calCoefficients, original.calCoefficients);
  EXPECT_EQ(WriteCalibrationFile(back), bytes);
  EXPECT_EQ(back.test.Header(1), "other record");  // the other record is not touched
}

TEST(DataFileRoundTrip, LoadingClearsWhatTheFileDoesNotHold) {
  RecordStore s;
  testing::FillFullTest(s);
  RecordStore small;
  small.test.Header(3) = "-5.0";
  small.test.Test(1, 1) = "10";
  DataParserState state;
  RecordingMessageSink sink;
  ASSERT_TRUE(LoadDataBytes(WriteTestFile(small), "s.vdw", s, SheetSettings{}, state, sink).ok());
  EXPECT_TRUE(SameRecord(s.test, small.test));
}

TEST(DataFileRoundTrip, EarlierVersion3FilesTakeTheCaptionsFromTheSettings) {
  SheetSettings settings;
  settings.SystemSurveyNameLabel = "S";
  settings.SystemEngineerLabel = "E";
  settings.SystemFormulaTitle = "F";
  for (auto [magic, kind] : {std::pair{"$$_VDKARUM31", DataKind::Test}, std::pair{"$$_VCKARUM300", DataKind::Calibration}}) {
    std::string bytes = std::string(magic) + "\r\n$$Z\r\n";
    for (int n = 1; n <= 90; ++n) bytes += "h" + std::to_string(n) + "\r\n";
    RecordStore s;
    DataParserState state;
    RecordingMessageSink sink;
    LoadOutcome o = LoadDataBytes(bytes, "old", s, settings, state, sink);
    ASSERT_TRUE(o.ok());
    const Record& r = kind == DataKind::Test ? s.test : s.calibration;
    EXPECT_EQ(r.Header(45), "h45");
    EXPECT_EQ(r.Header(46), "S");
    EXPECT_EQ(r.Header(47), "E");
    EXPECT_EQ(r.Header(48), "F");
    EXPECT_EQ(r.Header(49), "h49");
  }
}

TEST(DataFileRoundTrip, SamplesWriteBackByteForByte) {
  const std::filesystem::path dir = VEK_SAMPLES_DIR;
  for (const char* name : {"cal-sample.cdw", "test-sample.vdw"}) {
    SCOPED_TRACE(name);
    const std::string bytes = ReadFileBytes(dir / name);
    ASSERT_FALSE(bytes.empty());
    RecordStore s;
    DataParserState state;
    RecordingMessageSink sink;
    LoadOutcome o = LoadDataFile(dir / name, s, SheetSettings{}, state, sink);
    ASSERT_TRUE(o.ok());
    EXPECT_EQ(o.kind == DataKind::Test ? WriteTestFile(s) : WriteCalibrationFile(s), bytes);
    EXPECT_TRUE(sink.shown.empty());
  }
}

// A file is opened once: its head decides whether the rest is read, and the rest continues where
// the head stopped, whatever the sizes of the head, the stream's buffer and the file.
TEST(DataFileRoundTrip, HeadThenRestReadsEachByteOnceInOrder) {
  testing::TempDir dir;
  std::string big;
  for (size_t i = 0; big.size() < 3 * 65536 + 17; ++i) big += std::to_string(i) + ",";
  testing::WriteFileBytes(dir / "big", big);
  int asked = 0;
  auto yes = [&](std::string_view head) {
    ++asked;
    EXPECT_TRUE(head == std::string_view(big).substr(0, head.size()));
    return true;
  };
  EXPECT_TRUE(ReadFileHeadThenRest(dir / "big", kFileHeadBytes, yes) == big);
  EXPECT_EQ(asked, 1);
  EXPECT_TRUE(ReadFileHeadThenRest(dir / "big", kFileHeadBytes, [](std::string_view) { return false; }) ==
              big.substr(0, kFileHeadBytes));
  EXPECT_TRUE(ReadFileHeadThenRest(dir / "big", 100000, yes) == big);  // a head beyond one buffer
  // A file no longer than the head is all head; the rest is not asked for.
  for (const size_t size : {size_t{10}, kFileHeadBytes}) {
    testing::WriteFileBytes(dir / "small", big.substr(0, size));
    EXPECT_TRUE(ReadFileHeadThenRest(dir / "small", kFileHeadBytes, yes) == big.substr(0, size));
  }
  EXPECT_EQ(asked, 3);  // the file of exactly the head's size is asked about and has no more
  EXPECT_FALSE(ReadFileHeadThenRest(dir / "missing", kFileHeadBytes, yes));
  EXPECT_FALSE(ReadFileHeadThenRest(dir.path(), kFileHeadBytes, yes));

  // Through the Open command's reader: a test file longer than the head loads whole.
  RecordStore original;
  testing::FillFullTest(original);
  const std::string bytes = WriteTestFile(original);
  ASSERT_GT(bytes.size(), kFileHeadBytes);
  testing::WriteFileBytes(dir / "full.vdw", bytes);
  RecordStore s;
  DataParserState state;
  RecordingMessageSink sink;
  ASSERT_TRUE(LoadDataFile(dir / "full.vdw", s, SheetSettings{}, state, sink).ok());
  EXPECT_EQ(WriteTestFile(s), bytes);
}

TEST(DataFileRoundTrip, OverlongTableLineIsReadAsTwoRows) {
  RecordStore s;
  s.calibration.Cal(1, 1) = "1";
  s.calibration.Cal(1, 2) = std::string(520, '2');
  s.calibration.Cal(2, 1) = "3";
  RecordStore back;
  DataParserState state;
  RecordingMessageSink sink;
  ASSERT_TRUE(LoadDataBytes(WriteCalibrationFile(s), "c.cdw", back, SheetSettings{}, state, sink).ok());
  EXPECT_EQ(back.calibration.Cal(1, 2), std::string(497, '2'));
  EXPECT_EQ(back.calibration.Cal(2, 1), std::string(23, '2'));
  EXPECT_EQ(back.calibration.Cal(3, 1), "3");
}

// Every value FindUnstorableValue lets through reads back unchanged, and every value it names
// would not: the check and the reader agree.
TEST(DataFileRoundTrip, UnstorableValuesAreExactlyThoseThatDoNotReadBack) {
  const struct {
    const char* name;
    void (*set)(RecordStore&);
    DataKind kind;
    const char* where;  // "" when the value is storable
  } cases[] = {
      {"dollar in header", [](RecordStore& s) { s.test.Header(12) = "A$$B"; }, DataKind::Test, "header field 12"},
      {"one dollar", [](RecordStore& s) { s.test.Header(12) = "$A$"; }, DataKind::Test, ""},
      {"LF in header", [](RecordStore& s) { s.calibration.Header(90) = "a\nb"; }, DataKind::Calibration,
       "header field 90"},
      {"comma in header", [](RecordStore& s) { s.test.Header(1) = "a,b"; }, DataKind::Test, ""},
      {"comma in cell", [](RecordStore& s) { s.test.Test(3, 12) = "1,2"; }, DataKind::Test, "test row 3 field 12"},
      {"quote in cell", [](RecordStore& s) { s.test.Test(1, 4) = "\"7\""; }, DataKind::Test, "test row 1 field 4"},
      {"dollars in cell", [](RecordStore& s) { s.TestCalRows()[2][3] = "$$C"; }, DataKind::Test,
       "calibration row 2 field 3"},
      {"CR in calibration", [](RecordStore& s) { s.calibration.Cal(40, 1) = "4\r"; }, DataKind::Calibration,
       "calibration row 40 field 1"},
      // A row after the first one that ends its section is never written.
      {"unwritten row", [](RecordStore& s) { s.test.Test(kMaxTestRows, 5) = ","; }, DataKind::Test, ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    RecordStore s;
    if (c.kind == DataKind::Test) {
      testing::FillFullTest(s);
      for (int f = 1; f <= kTestFieldCount; ++f) s.test.Test(kMaxTestRows - 1, f).clear();
    } else {
      testing::FillFullCalibration(s);
    }
    c.set(s);
    const auto found = FindUnstorableValue(s, c.kind);
    const std::string described = found ? DescribeUnstorable(*found) : "";
    EXPECT_EQ(described.substr(0, std::string_view(c.where).size()), c.where) << described;
    EXPECT_EQ(described.empty(), std::string_view(c.where).empty());
    const std::string bytes = WriteRecordFile(c.kind, s);
    RecordStore viaOpen, viaFramework;
    DataParserState state;
    RecordingMessageSink sink;
    ASSERT_TRUE(LoadDataBytes(bytes, "x", viaOpen, SheetSettings{}, state, sink).ok());
    ASSERT_TRUE(LoadDataBytesFramework(bytes, viaFramework, SheetSettings{}, state, sink).ok());
    EXPECT_EQ(WriteRecordFile(c.kind, viaOpen) == bytes && WriteRecordFile(c.kind, viaFramework) == bytes, !found);
  }
}

}  // namespace
}  // namespace vek
