#include "core/record_store.h"

#include <gtest/gtest.h>

#include "core/encoding.h"
#include "core/messages.h"

namespace vek {
namespace {

TEST(IsNumericText, ClassifiesByFirstNonBlankByteOnly) {
  EXPECT_EQ(IsNumericText(""), -1);
  EXPECT_EQ(IsNumericText("   \t\r\n"), -1);
  EXPECT_EQ(IsNumericText("!5"), 0);  // the 14th character of the constant is not compared
  EXPECT_EQ(IsNumericText("+"), 1);
  EXPECT_EQ(IsNumericText("-"), 1);
  EXPECT_EQ(IsNumericText(".5"), 1);
  EXPECT_EQ(IsNumericText("1,5"), 1);
  EXPECT_EQ(IsNumericText("  12"), 1);
  EXPECT_EQ(IsNumericText("9abc"), 1);
  EXPECT_EQ(IsNumericText("abc"), 0);
  EXPECT_EQ(IsNumericText(Sjis("１２")), 0);   // full-width digits are not numbers
  EXPECT_EQ(IsNumericText(Sjis("　1")), 0);    // a full-width blank is not white space
}

TEST(GetCsvField, SplitsFieldsAndReportsMissingOnes) {
  NullMessageSink sink;
  TextField f;
  EXPECT_EQ(GetCsvField("1.5,2,3", 3, f, sink), 1);
  EXPECT_EQ(f, "3");
  EXPECT_EQ(GetCsvField("1.5,2,3", 4, f, sink), 0);
  EXPECT_EQ(f, "");
  EXPECT_EQ(GetCsvField("", 1, f, sink), -1);
  EXPECT_EQ(GetCsvField("a,,c", 2, f, sink), 1);
  EXPECT_EQ(f, "");
  EXPECT_EQ(GetCsvField("\"x,y\",z", 1, f, sink), 1);
  EXPECT_EQ(f, "x,y");
  EXPECT_EQ(GetCsvField("\"x,y\",z", 2, f, sink), 1);
  EXPECT_EQ(f, "z");
  EXPECT_EQ(GetCsvField(" 7, 8", 2, f, sink), 1);
  EXPECT_EQ(f, " 8");  // blanks are kept
  EXPECT_EQ(GetCsvField("4,5\n", 2, f, sink), 1);
  EXPECT_EQ(f, "5");  // the line feed ends the last field
}

TEST(GetCsvField, OverlongLineIsReportedAndCut) {
  RecordingMessageSink sink;
  std::string line(2599, 'a');
  line += ",b";  // the comma is byte 2600, "b" lies beyond the cut
  TextField f;
  EXPECT_EQ(GetCsvField(line, 2, f, sink), 1);
  EXPECT_EQ(f, "");
  ASSERT_EQ(sink.shown.size(), 1u);
  EXPECT_EQ(sink.shown[0], "too many csv");
  sink.shown.clear();
  EXPECT_EQ(GetCsvField(std::string(2600, 'x'), 1, f, sink), 1);
  EXPECT_TRUE(sink.shown.empty());
}

TEST(ReplaceAll, ReplacesLeftToRightWithoutOverlap) {
  EXPECT_EQ(ReplaceAll("aaa", "aa", "b"), "ba");
  EXPECT_EQ(ReplaceAll("", "a", "b"), "");
  EXPECT_EQ(ReplaceAll("abc", "", "x"), "abc");
  EXPECT_EQ(ReplaceAll("a,b,c", ",", ", "), "a, b, c");
  EXPECT_EQ(SignOf(-7), -1);
  EXPECT_EQ(SignOf(0), 0);
  EXPECT_EQ(SignOf(3), 1);
}

TEST(CountDataRows, StopsAtFirstNonNumericRow) {
  RecordStore s;
  for (int r = 1; r <= 6; ++r) s.test.Test(r, 1) = "100";
  s.test.Test(3, 1) = "";
  EXPECT_EQ(s.CountDataRows(1), 2);
  for (int r = 1; r <= kMaxTestRows; ++r) s.test.Test(r, 1) = std::to_string(r);
  EXPECT_EQ(s.CountDataRows(1), 120);
  EXPECT_EQ(s.CountDataRows(2), 0);
}

TEST(RecordStore, ClearsTouchOnlyTheirPart) {
  RecordStore s;
  s.calibration.Header(1) = "cal";
  s.calibration.Header(0) = "slot0";
  s.calibration.Cal(40, 3) = "x";
  s.test.Header(90) = "t";
  s.test.Test(120, 12) = "y";
  s.test.Cal(1, 1) = "z";
  s.ClearCalibrationHeader();
  EXPECT_EQ(s.calibration.Header(1), "");
  EXPECT_EQ(s.calibration.Header(0), "slot0");
  EXPECT_EQ(s.calibration.Cal(40, 3), "x");
  s.ClearCalibrationRows();
  EXPECT_EQ(s.calibration.Cal(40, 3), "");
  s.ClearTestRows();
  EXPECT_EQ(s.test.Test(120, 12), "");
  EXPECT_EQ(s.test.Header(90), "t");
  EXPECT_EQ(s.test.Cal(1, 1), "z");
  s.ClearTestCalRows();
  EXPECT_EQ(s.test.Cal(1, 1), "");
  s.ClearTestHeader();
  EXPECT_EQ(s.test.Header(90), "");
}

TEST(RecordStore, NewDocumentClearsOnlyTheCurrentSheetsRecord) {
  RecordStore s;
  s.test.Header(1) = "test";
  s.test.Test(1, 1) = "100";
  s.test.Cal(1, 1) = "50";
  s.testFilePath = "/x/a.vdw";
  s.calibration.Header(1) = "cal";
  s.calibration.Cal(1, 1) = "10";
  s.calFilePath = "/x/a.cdw";

  s.currentSheet = kCalibrationSheet;
  s.NewDocument();
  EXPECT_EQ(s.calibration.Header(1), "");
  EXPECT_EQ(s.calibration.Cal(1, 1), "");
  EXPECT_EQ(s.calFilePath, "");
  EXPECT_EQ(s.test.Header(1), "test");
  EXPECT_EQ(s.test.Test(1, 1), "100");
  EXPECT_EQ(s.testFilePath, "/x/a.vdw");

  s.calibration.Header(1) = "cal";
  s.currentSheet = kTestSheet;
  s.NewDocument();
  EXPECT_EQ(s.test.Header(1), "");
  EXPECT_EQ(s.test.Test(1, 1), "");
  EXPECT_EQ(s.test.Cal(1, 1), "");
  EXPECT_EQ(s.testFilePath, "");
  EXPECT_EQ(s.calibration.Header(1), "cal");
}

TEST(Messages, NumberedTextsAndSubstitution) {
  EXPECT_EQ(NumberedMessage(msg::FileNotFound, "/a/Sys.ndx"), "ファイルが見つかりません\n( /a/Sys.ndx )");
  EXPECT_EQ(NumberedMessage(msg::EnterIntegerRange, "0", "6"), "0 から 6 までの整数を入力してください。");
  EXPECT_EQ(NumberedMessage(msg::NotVekData), "ヴェクのデータではありません");
  EXPECT_TRUE(MessageText(12345).empty());
}

TEST(Encoding, RoundTripsCp932AndRefusesWhatItCannotHold) {
  const std::string sjis = Sjis("キャリブレーション･㎡");
  EXPECT_EQ(Cp932ToUtf8(sjis), "キャリブレーション･㎡");
  EXPECT_EQ(Sjis("･"), "\xA5");  // half-width middle dot is one byte
  EXPECT_FALSE(TryUtf8ToCp932("\xF0\x9F\x98\x80").has_value());  // emoji
  EXPECT_EQ(Cp932ToUtf8("A\xFF" "B"), "A\xEF\xBF\xBD" "B");
}

}  // namespace
}  // namespace vek
