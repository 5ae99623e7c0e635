// Damaged and foreign files: the right message, the store left as it was or as far as the file got,
// and never a crash.
#include <gtest/gtest.h>

#include <random>

#include "core/messages.h"
#include "io/data_file_attach.h"
#include "io/data_file_fixtures.h"
#include "io/data_file_reader.h"
#include "io/data_file_writer.h"
#include "support/temp_dir.h"

namespace vek {
namespace {

using testing::SameRecord;

struct Loaded {
  RecordStore before, after;
  RecordingMessageSink sink;
  LoadOutcome outcome;
};

// A store with both records filled, then `bytes` loaded into it through the Open path.
void LoadInto(Loaded& l, const std::string& bytes, const char* name = "x.vdw") {
  testing::FillFullTest(l.before);
  testing::FillFullCalibration(l.before);
  l.after = l.before;
  DataParserState state;
  l.outcome = LoadDataBytes(bytes, name, l.after, SheetSettings{}, state, l.sink);
}

TEST(DataFileRobustness, ForeignFilesAreRefusedAndChangeNothing) {
  const std::string binary("\x00\x01\xff\xfe\r\n\x00$$_VDKARUM304", 21);
  for (const std::string& bytes : {std::string(), std::string("\r\n"), std::string("hello world\r\n$$Z\r\n"),
                                   binary, "$$_VDKARUM304" + std::string(40, ' ') + "\r\n$$Z\r\nx\r\n"}) {
    Loaded l;
    LoadInto(l, bytes);
    EXPECT_EQ(l.outcome.status, LoadOutcome::Status::NotVekData);
    ASSERT_EQ(l.sink.shown.size(), 1u);
    EXPECT_EQ(l.sink.shown[0], NumberedMessage(msg::NotVekData));
    EXPECT_TRUE(SameRecord(l.after.test, l.before.test));
    EXPECT_TRUE(SameRecord(l.after.calibration, l.before.calibration));
  }
}

TEST(DataFileRobustness, MissingFileShowsNotFoundWithThePath) {
  testing::TempDir dir;
  RecordStore s;
  s.test.Header(1) = "kept";
  DataParserState state;
  RecordingMessageSink sink;
  LoadOutcome o = LoadDataFile(dir / "none.vdw", s, SheetSettings{}, state, sink);
  EXPECT_EQ(o.status, LoadOutcome::Status::CannotOpen);
  ASSERT_EQ(sink.shown.size(), 1u);
  EXPECT_EQ(sink.shown[0], NumberedMessage(msg::FileNotFound, (dir / "none.vdw").string()));
  // A folder cannot be read as a file either.
  LoadDataFile(dir.path(), s, SheetSettings{}, state, sink);
  EXPECT_EQ(sink.shown.size(), 2u);
  EXPECT_EQ(s.test.Header(1), "kept");
}

TEST(DataFileRobustness, LargeForeignFileIsRefusedFromItsHead) {
  testing::TempDir dir;
  testing::WriteFileBytes(dir / "big.vdw", std::string(200000, 'x') + "\r\n$$_VDKARUM304\r\n");
  RecordStore s;
  DataParserState state;
  RecordingMessageSink sink;
  EXPECT_EQ(LoadDataFile(dir / "big.vdw", s, SheetSettings{}, state, sink).status, LoadOutcome::Status::NotVekData);
  EXPECT_EQ(sink.shown.back(), NumberedMessage(msg::NotVekData));
}

TEST(DataFileRobustness, TruncatedFileKeepsWhatWasRead) {
  RecordStore full;
  testing::FillFullTest(full);
  const std::string bytes = WriteTestFile(full);
  const size_t cut = bytes.find("$$A") + 3 + 2 + 30;  // into the first table line
  Loaded l;
  LoadInto(l, bytes.substr(0, cut));
  ASSERT_TRUE(l.outcome.ok());
  EXPECT_TRUE(l.sink.shown.empty());
  EXPECT_EQ(l.after.test.HeaderFields, full.test.HeaderFields);
  EXPECT_EQ(l.after.test.Test(1, 1), full.test.Test(1, 1));
  EXPECT_EQ(l.after.test.Test(2, 1), "");
  EXPECT_EQ(l.after.TestCalRows()[1][1], "");
  // The calibration record is not touched by a test file.
  EXPECT_TRUE(SameRecord(l.after.calibration, l.before.calibration));
}

TEST(DataFileRobustness, FrameworkPathRefusesVer2AndForeignFiles) {
  for (auto [bytes, text] : {std::pair{std::string("$Z40\r\nx\r\n"), NumberedMessage(msg::UseOpenForOldVersion)},
                             std::pair{std::string(""), NumberedMessage(msg::NotVekData)},
                             std::pair{std::string("plain text\r\n"), NumberedMessage(msg::NotVekData)}}) {
    RecordStore s;
    testing::FillFullTest(s);
    const RecordStore before = s;
    DataParserState state;
    RecordingMessageSink sink;
    EXPECT_FALSE(LoadDataBytesFramework(bytes, s, SheetSettings{}, state, sink).ok());
    ASSERT_EQ(sink.shown.size(), 1u);
    EXPECT_EQ(sink.shown[0], text);
    EXPECT_TRUE(SameRecord(s.test, before.test));
    EXPECT_EQ(s.testFilePath, before.testFilePath);
  }
}

// Random buffers, some behind a valid magic line so that the parsers see them, through every reader.
TEST(DataFileRobustness, RandomBytesNeverCrashTheReaders) {
  std::mt19937 rng(20240611);
  const char* prefixes[] = {"", "$$_VCKARUM304\r\n$$Z\r\n", "$$_VDKARUM304\r\n", "$Z40\r\n", "$$_VDKARUM3\r\n$$A\r\n",
                            "$Z40\r\n$C\r\n"};
  const char* alphabet = "$ZAC,\"\r\n0123456789.-+ab";
  testing::TempDir dir;
  int loaded = 0;
  for (int i = 0; i < 3000; ++i) {
    std::string bytes = prefixes[i % 6];
    const size_t len = rng() % (i % 50 == 0 ? 5000 : 600);
    for (size_t k = 0; k < len; ++k) {
      // Half the buffers are plain bytes, half lean on the characters the parsers react to.
      bytes += i % 2 ? static_cast<char>(rng() & 0xff) : alphabet[rng() % 23];
    }
    RecordStore s;
    DataParserState state;
    NullMessageSink quiet;
    const char* name = i % 3 == 0 ? "r.cdf" : "r.ddf";
    LoadOutcome o = LoadDataBytes(bytes, name, s, SheetSettings{}, state, quiet);
    if (o.ok()) {
      ++loaded;
      // Whatever was read can be written and read again.
      const std::string out = o.kind == DataKind::Test ? WriteTestFile(s) : WriteCalibrationFile(s);
      RecordStore again;
      ASSERT_TRUE(LoadDataBytes(out, name, again, SheetSettings{}, state, quiet).ok());
    }
    LoadDataBytesFramework(bytes, s, SheetSettings{}, state, quiet);
    if (i % 100 == 0) {
      testing::WriteFileBytes(dir / "r.cdw", bytes);
      AttachCalibrationFile(s, dir / "r.cdw", quiet);
    }
  }
  EXPECT_GT(loaded, 1000);
}

}  // namespace
}  // namespace vek
