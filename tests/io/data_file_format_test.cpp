// Version detection, the line parser's section rules and the writer's layout.
#include <gtest/gtest.h>

#include <random>

#include "core/encoding.h"
#include "core/messages.h"
#include "io/data_file_format.h"
#include "io/data_file_lines.h"
#include "io/data_file_reader.h"
#include "io/data_file_writer.h"

namespace vek {
namespace {

TEST(DetectFileVersion, RecognisesEveryMagicAndRejectsOthers) {
  EXPECT_EQ(DetectFileVersion("$$_VCKARUM304\r\n"), kVersionCalibration);
  EXPECT_EQ(DetectFileVersion("$$_VDKARUM304\r\n"), kVersionTest);
  EXPECT_EQ(DetectFileVersion("$$_VCKARUM303\r\n"), kVersionCalibrationV3);
  // A later version 3 magic is an earlier-version file for this program.
  EXPECT_EQ(DetectFileVersion("$$_VDKARUM305"), kVersionTestV3);
  EXPECT_EQ(DetectFileVersion("$Z40 old"), kVersionVer2);
  // Patterns are searched anywhere; "$Z40" is tried first.
  EXPECT_EQ(DetectFileVersion("xx$$_VDKARUM304"), kVersionTest);
  EXPECT_EQ(DetectFileVersion("$Z40$$_VDKARUM304"), kVersionVer2);
  EXPECT_EQ(DetectFileVersion("$$_VDKARUM2"), kVersionUnknown);
  EXPECT_EQ(DetectFileVersion("VEK"), kVersionUnknown);
  // Length bounds count the line end left in the line.
  EXPECT_EQ(DetectFileVersion("$Z4"), kVersionUnknown);
  const std::string long31 = "$$_VDKARUM304" + std::string(16, ' ') + "\r\n";
  ASSERT_EQ(long31.size(), 31u);
  EXPECT_EQ(DetectFileVersion(long31), kVersionTest);
  EXPECT_EQ(DetectFileVersion(long31 + " "), kVersionUnknown);
}

TEST(KindOfVersion, Ver2KindFollowsTheFileEnding) {
  EXPECT_EQ(KindOfVersion(kVersionVer2, "A.CDF"), DataKind::Calibration);
  EXPECT_EQ(KindOfVersion(kVersionVer2, "a.cdf"), DataKind::Calibration);
  EXPECT_EQ(KindOfVersion(kVersionVer2, "a.ddf"), DataKind::Test);
  EXPECT_EQ(KindOfVersion(kVersionCalibrationV3, ""), DataKind::Calibration);
  EXPECT_EQ(KindOfVersion(kVersionTestV3, "x.cdw"), DataKind::Test);
}

TEST(PrepareLine, RemovesOneCrLfOrOneLf) {
  EXPECT_EQ(PrepareLine("a\r\n"), "a");
  EXPECT_EQ(PrepareLine("a\n"), "a");
  EXPECT_EQ(PrepareLine("a\r"), "a\r");
  EXPECT_EQ(PrepareLine("a\r\n\r\n"), "a\r\n");
}

class ParserTest : public ::testing::Test {
 protected:
  void Feed(int code, DataKind kind, std::initializer_list<std::string_view> lines) {
    for (auto l : lines) ParseDataLine(ctx, code, kind, l);
  }
  RecordStore store;
  SheetSettings settings;
  DataParserState state;
  RecordingMessageSink sink;
  DataParseContext ctx{store, settings, state, sink};
};

TEST_F(ParserTest, SectionsFillTheirPartsInAnyOrder) {
  Feed(kVersionTest, DataKind::Test,
       {"$$_VDKARUM304\r\n", "ignored before $$Z\r\n", "$$C\r\n", "1,2,3\r\n", "$$A\r\n", "10,20,30\r\n",
        "\r\n", "11,\"2,5\"\r\n", "$$Z\r\n", "first\r\n", "second\n"});
  EXPECT_EQ(store.test.Header(1), "first");
  EXPECT_EQ(store.test.Header(2), "second");
  EXPECT_EQ(store.TestCalRows()[1][3], "3");
  EXPECT_EQ(store.test.Test(1, 3), "30");
  EXPECT_EQ(store.test.Test(1, 4), "");
  // An empty line in a table is an all-empty row; quoted commas stay in their field.
  EXPECT_EQ(store.test.Test(2, 1), "");
  EXPECT_EQ(store.test.Test(3, 2), "2,5");
  EXPECT_TRUE(store.calibration.Header(1).empty());
  EXPECT_TRUE(sink.shown.empty());
}

TEST_F(ParserTest, CalibrationFileFillsCalRowsAndIgnoresTestRows) {
  Feed(kVersionCalibration, DataKind::Calibration, {"$$_VCKARUM304", "$$A", "1,2,3", "$$C", "5,6,7"});
  EXPECT_EQ(store.calibration.Test(1, 1), "");
  EXPECT_EQ(store.calibration.Cal(1, 1), "5");
  EXPECT_EQ(store.TestCalRows()[1][1], "");
}

TEST_F(ParserTest, SurplusLinesAreIgnored) {
  Feed(kVersionCalibration, DataKind::Calibration, {"$$Z"});
  for (int i = 1; i <= 95; ++i) ParseDataLine(ctx, kVersionCalibration, DataKind::Calibration, std::to_string(i));
  EXPECT_EQ(store.calibration.Header(90), "90");
  EXPECT_EQ(store.calibration.HeaderFields[91], "");
  Feed(kVersionCalibration, DataKind::Calibration, {"$$C"});
  for (int i = 1; i <= 45; ++i) ParseDataLine(ctx, kVersionCalibration, DataKind::Calibration, std::to_string(i));
  EXPECT_EQ(store.calibration.Cal(40, 1), "40");
  EXPECT_EQ(store.calibration.CalRows[41][1], "");
  Feed(kVersionTest, DataKind::Test, {"$$A"});
  for (int i = 1; i <= 125; ++i) ParseDataLine(ctx, kVersionTest, DataKind::Test, std::to_string(i));
  EXPECT_EQ(store.test.Test(120, 1), "120");
  EXPECT_EQ(store.test.TestRows[121][1], "");
}

TEST_F(ParserTest, AnyLineWithTwoDollarsStartsASectionAndStateCarriesAcrossCalls) {
  Feed(kVersionTest, DataKind::Test, {"$$Z", "a", "b"});
  // "$$" anywhere: the third byte of the line names the section ("$" here, which fills nothing).
  Feed(kVersionTest, DataKind::Test, {"ab$$cd", "c"});
  EXPECT_EQ(store.test.Header(3), "");
  // A "$$" line too short to name a section leaves the current one in force.
  Feed(kVersionTest, DataKind::Test, {"$$Z", "A1", "$$", "A2"});
  EXPECT_EQ(store.test.Header(1), "A1");
  EXPECT_EQ(store.test.Header(2), "A2");
  EXPECT_EQ(state.current.letter, 'Z');
  EXPECT_EQ(state.current.row, 3);
}

TEST_F(ParserTest, TableFieldsAreThoseOfGetCsvField) {
  std::mt19937 rng(7);
  const char alphabet[] = ",,,\"\n12.a ";
  Feed(kVersionTest, DataKind::Test, {"$$A"});
  for (int i = 0; i < 2000; ++i) {
    if (i % 120 == 0) Feed(kVersionTest, DataKind::Test, {"$$A"});
    std::string line;
    for (size_t k = rng() % 40; k > 0; --k) line += alphabet[rng() % (sizeof alphabet - 1)];
    const int row = state.current.row;
    ParseDataLine(ctx, kVersionTest, DataKind::Test, line + "\r\n");
    for (int f = 1; f <= kTestFieldCount; ++f) {
      TextField expected;
      GetCsvField(line, f, expected, sink);
      ASSERT_EQ(store.test.Test(row, f), expected) << "line [" << line << "] field " << f;
    }
  }
}

TEST(DataFileWriter, CalibrationLayoutAndContinuation) {
  RecordStore s;
  s.calibration.Header(1) = Sjis("調査");
  s.calibration.Header(2) = "keeps\r\n";  // already ends with CR LF: written unchanged
  s.calibration.Cal(1, 1) = "0";
  s.calibration.Cal(1, 2) = "1.5";
  s.calibration.Cal(2, 2) = "3";  // field 2 alone continues a calibration file
  s.calibration.Cal(4, 1) = "99";  // after the gap at row 3: never written
  const std::string bytes = WriteCalibrationFile(s);
  std::string expected = "$$_VCKARUM304\r\n$$Z\r\n" + Sjis("調査") + "\r\nkeeps\r\n";
  for (int n = 3; n <= 90; ++n) expected += "\r\n";
  expected += "$$C\r\n0,1.5,\r\n,3,\r\n";
  EXPECT_EQ(bytes, expected);

  RecordStore empty;
  const std::string none = WriteCalibrationFile(empty);
  EXPECT_EQ(none.substr(none.size() - 7), "\r\n$$C\r\n");
}

TEST(DataFileWriter, TestLayoutAndContinuation) {
  RecordStore s;
  s.test.Test(1, 1) = "100";
  s.test.Test(1, 12) = "4.5";
  s.test.Test(2, 2) = "7";  // gas pressure alone continues the test rows
  s.test.Test(3, 3) = "9";  // readings alone do not
  s.test.Test(4, 1) = "400";
  s.TestCalRows()[1][1] = "0";
  s.TestCalRows()[2][2] = "5";  // field 2 alone ends the calibration copy
  s.TestCalRows()[3][1] = "3";
  const std::string bytes = WriteTestFile(s);
  const std::string tail = bytes.substr(bytes.find("$$A"));
  EXPECT_EQ(tail, "$$A\r\n100,,,,,,,,,,,4.5\r\n,7,,,,,,,,,,\r\n$$C\r\n0,,\r\n");
  EXPECT_EQ(bytes.substr(0, 20), "$$_VDKARUM304\r\n$$Z\r\n");
}

TEST(DataFileWriter, HeaderTextWithTwoDollarsStartsASectionWhenReadBack) {
  RecordStore s;
  s.test.Header(16) = "$$A memo";
  s.test.Header(17) = "4";
  RecordStore back;
  DataParserState state;
  RecordingMessageSink sink;
  ASSERT_TRUE(LoadDataBytes(WriteTestFile(s), "t.vdw", back, SheetSettings{}, state, sink).ok());
  EXPECT_EQ(back.test.Header(16), "");
  EXPECT_EQ(back.test.Header(17), "");
  // The header lines after it were read as test rows of section "A".
  EXPECT_EQ(back.test.Test(1, 1), "4");
}

TEST(LineReaders, OpenPiecesKeepLineEndsAndSplitLongLines) {
  const std::string longLine(600, '7');
  const std::string bytes = "a\r\nb\n" + longLine + "\r\nc";
  PieceLineReader r(bytes, kOpenPieceBytes);
  std::string_view p;
  ASSERT_TRUE(r.Next(p));
  EXPECT_EQ(p, "a\r\n");
  ASSERT_TRUE(r.Next(p));
  EXPECT_EQ(p, "b\n");
  ASSERT_TRUE(r.Next(p));
  EXPECT_EQ(p.size(), 499u);
  ASSERT_TRUE(r.Next(p));
  EXPECT_EQ(p.size(), 101u + 2);
  ASSERT_TRUE(r.Next(p));
  EXPECT_EQ(p, "c");
  EXPECT_FALSE(r.Next(p));
}

TEST(LineReaders, AFullPieceTakesItsLineEndAlong) {
  for (const std::string end : {"\r\n", "\n"}) {
    const std::string bytes = std::string(499, 'x') + end + "y" + end;
    PieceLineReader r(bytes, kOpenPieceBytes);
    std::string_view p;
    ASSERT_TRUE(r.Next(p));
    EXPECT_EQ(p, std::string(499, 'x') + end);
    ASSERT_TRUE(r.Next(p));
    EXPECT_EQ(p, "y" + end);
    EXPECT_FALSE(r.Next(p));
  }
  // The CR of a CR LF that is the 499th byte.
  const std::string bytes = std::string(498, 'x') + "\r\nz";
  PieceLineReader r(bytes, kOpenPieceBytes);
  std::string_view p;
  ASSERT_TRUE(r.Next(p));
  EXPECT_EQ(p.size(), 500u);
  ASSERT_TRUE(r.Next(p));
  EXPECT_EQ(p, "z");
}

TEST(LineReaders, FrameworkLinesEndAtCrLfLfOrCrAndSplitAt400) {
  const std::string bytes = "a\r\nb\nc\rd\r\r\n" + std::string(900, 'q') + "\n";
  FrameworkLineReader r(bytes, kFrameworkLineBytes);
  std::string_view l;
  std::vector<std::string> lines;
  while (r.Next(l)) lines.emplace_back(l);
  ASSERT_EQ(lines.size(), 8u);
  EXPECT_EQ(lines[0], "a");
  EXPECT_EQ(lines[1], "b");
  EXPECT_EQ(lines[2], "c");
  EXPECT_EQ(lines[3], "d");
  EXPECT_EQ(lines[4], "");
  EXPECT_EQ(lines[5].size(), 400u);
  EXPECT_EQ(lines[6].size(), 400u);
  EXPECT_EQ(lines[7].size(), 100u);
  const std::string long_line(900, 'q');
  FrameworkLineReader whole(long_line, kFrameworkLineBytes);
  ASSERT_TRUE(whole.NextWhole(l));
  EXPECT_EQ(l.size(), 900u);
}

}  // namespace
}  // namespace vek
