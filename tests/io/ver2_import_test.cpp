// Import of the previous generation's .cdf and .ddf files.
#include <gtest/gtest.h>

#include <map>

#include "core/encoding.h"
#include "core/messages.h"
#include "core/step_reduction.h"
#include "io/data_file_reader.h"
#include "io/ver2_import.h"
#include "support/temp_dir.h"

namespace vek {
namespace {

TEST(ScaleOldValue, ConvertsNumberLikeTextsOnly) {
  EXPECT_EQ(ScaleOldValue("2.5", 98.0665 * 0.1), "24.5166");
  EXPECT_EQ(ScaleOldValue(" 16", 100.0), "1600");
  EXPECT_EQ(ScaleOldValue("-", 98.0665), "0");  // number-like by its first character
  EXPECT_EQ(ScaleOldValue("abc", 98.0665), "");
  EXPECT_EQ(ScaleOldValue("", 98.0665), "");
}

// Builds a .ddf: 40 header lines (position p holds "p<p>" unless given), then rows.
std::string OldTestFile(const std::map<int, std::string>& header, const std::vector<std::string>& aLines,
                        const std::vector<std::string>& cLines) {
  std::string s = "$Z40 VEK2\r\n";
  for (int p = 1; p <= 40; ++p) {
    auto it = header.find(p);
    s += (it != header.end() ? it->second : "p" + std::to_string(p)) + "\r\n";
  }
  s += "$A\r\n";
  for (auto& l : aLines) s += l + "\r\n";
  s += "$C\r\n";
  for (auto& l : cLines) s += l + "\r\n";
  return s;
}

struct Imported {
  RecordStore store;
  RecordingMessageSink sink;
  LoadOutcome outcome;
};

void Import(Imported& im, const std::string& bytes, const char* name, const char* factor = "98.0665") {
  SheetSettings settings;
  settings.SiFactor = factor;
  DataParserState state;
  im.outcome = LoadDataBytes(bytes, name, im.store, settings, state, im.sink);
}

TEST(Ver2Import, TestFileMovesScalesAndFixesUpTheHeader) {
  std::vector<std::string> a;
  for (int i = 1; i <= 24; ++i) a.push_back(std::to_string(i));  // two rows of 12 values
  Imported im;
  Import(im, OldTestFile({{7, "1998/05/12"}, {29, "0.5"}, {34, "2.5"}, {35, "x"}, {37, "16"}}, a, {"1", "2", "3"}),
         "old.ddf");
  ASSERT_TRUE(im.outcome.ok());
  EXPECT_EQ(im.outcome.code, kVersionVer2);
  EXPECT_EQ(im.outcome.kind, DataKind::Test);
  const Record& t = im.store.test;
  EXPECT_EQ(t.Header(hf::TestDepth), "p3");
  EXPECT_EQ(t.Header(hf::PoissonRatio), "p6");
  EXPECT_EQ(t.Header(hf::DateEra), "");
  EXPECT_EQ(t.Header(hf::DateYear), "1998");
  EXPECT_EQ(t.Header(hf::DateMonth), "05");
  EXPECT_EQ(t.Header(hf::DateDay), "12");
  EXPECT_EQ(t.Header(hf::Engineer), "p8");
  EXPECT_EQ(t.Header(hf::SondeRadius), "p13");
  EXPECT_EQ(t.Header(hf::PressureOffset), "49.0333");  // position 29, times the factor
  EXPECT_EQ(t.Header(hf::KValue), "24.5166");         // position 34, times factor x 0.1
  EXPECT_EQ(t.Header(hf::EModulus), "");              // position 35 not a number
  EXPECT_EQ(t.Header(hf::PeScaleMax), "1600");        // position 37, times 100
  EXPECT_EQ(t.Header(hf::LegacyOrigin), "300 KARUM");
  EXPECT_EQ(t.Test(1, 1), "98.0665");
  EXPECT_EQ(t.Test(1, 3), "3");
  EXPECT_EQ(t.Test(1, 10), "980.665");
  EXPECT_EQ(t.Test(1, 11), "1078.73");
  EXPECT_EQ(t.Test(1, 12), "12");
  EXPECT_EQ(t.Test(2, 2), "1372.93");
  EXPECT_EQ(t.Test(3, 1), "");
  EXPECT_EQ(im.store.TestCalRows()[1][1], "98.0665");
  EXPECT_EQ(im.store.TestCalRows()[1][2], "2");
  EXPECT_EQ(im.store.testCoefficients[0], std::atof(t.Header(25).c_str()));
  EXPECT_TRUE(im.sink.shown.empty());
}

// The curve coefficients give P in the old unit; converted with the rows, a reduction of the
// imported test on the regression curve gives PG in kN/m2.
TEST(Ver2Import, CurveCoefficientsAreConvertedWithThePressures) {
  std::vector<std::string> a = {"1", "", "4", "4.5", "5", "5.2", "", "", "", "", "", ""};
  Imported im;
  // Positions 21-25 are header fields 25-29; position 17 (field 21) chooses the regression curve.
  Import(im, OldTestFile({{4, "0"}, {17, "1"}, {21, "0"}, {22, "0.0408"}, {23, "0.000052"}, {24, "0"}, {25, "x"}},
                         a, {"0", "0", "0"}),
         "coefficients.ddf");
  const Record& t = im.store.test;
  EXPECT_EQ(t.Header(hf::CalCoefficient1), "0");
  EXPECT_EQ(t.Header(hf::CalCoefficient2), "4.00111");
  EXPECT_EQ(t.Header(hf::CalCoefficient3), "0.00509946");
  EXPECT_EQ(t.Header(hf::CalCoefficient5), "");  // not a number
  RunTestReduction(im.store, SheetSettings{});
  const double oldPg = 0.0408 * 5 + 0.000052 * 25;  // kgf/cm2 at H = 5 cm
  EXPECT_NEAR(std::atof(t.Test(1, tf::PG).c_str()), oldPg * 98.0665, 1e-3);
}

TEST(Ver2Import, DateForms) {
  struct Case {
    std::string date, year, month, day;
  };
  const Case cases[] = {
      {"1998/05/12", "1998", "05", "12"},
      {"10/05/12", "10", "05", "12"},
      {Sjis("10年5月12日"), "10", "5", "12"},
      {"7", "7", "", "7"},  // one digit: the month is left alone, the day is the last two characters
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.date);
    Imported im;
    Import(im, OldTestFile({{7, c.date}}, {}, {}), "d.ddf");
    EXPECT_EQ(im.store.test.Header(hf::DateYear), c.year);
    EXPECT_EQ(im.store.test.Header(hf::DateMonth), c.month);
    EXPECT_EQ(im.store.test.Header(hf::DateDay), c.day);
  }
}

TEST(Ver2Import, ScaleMaximumOutsideTheIntRangeIsClamped) {
  const std::pair<const char*, const char*> cases[] = {
      {"1e300", "2147483647"}, {"-1e300", "-2147483648"}, {"nan", "0"}, {"-2.5", "-250"}};
  for (const auto& [old, expected] : cases) {
    SCOPED_TRACE(old);
    Imported im;
    Import(im, OldTestFile({{37, old}}, {}, {}), "d.ddf", "100.0");
    EXPECT_EQ(im.store.test.Header(hf::PeScaleMax), expected);
  }
}

TEST(Ver2Import, CalibrationFileIsRefittedAtOnceWithoutMessage) {
  std::string s = "$Z40\r\n";
  for (int p = 1; p <= 40; ++p) s += (p == 6 ? std::string("H10.1.5") : "c" + std::to_string(p)) + "\r\n";
  s += "$C\r\n";
  // Seven lines: two full rows and a third holding only its pressure.
  for (const char* v : {"-", "0", "0", "abc", "1.5", "1.5", "3"}) s += std::string(v) + "\r\n";
  Imported im;
  Import(im, s, "OLD.CDF", "100.0");
  ASSERT_TRUE(im.outcome.ok());
  EXPECT_EQ(im.outcome.kind, DataKind::Calibration);
  EXPECT_EQ(im.store.currentSheet, kCalibrationSheet);
  const Record& c = im.store.calibration;
  EXPECT_EQ(c.Header(hf::Memo), "c3");
  EXPECT_EQ(c.Header(hf::Engineer), "c7");
  EXPECT_EQ(c.Header(hf::GraphTitle), "c9");
  EXPECT_EQ(c.Header(hf::PeScaleMax), "0");
  EXPECT_EQ(c.Header(hf::LegacyOrigin), "300 KARUM");
  EXPECT_EQ(c.Cal(1, 1), "0");
  EXPECT_EQ(c.Cal(2, 1), "");
  EXPECT_EQ(c.Cal(2, 3), "1.5");
  EXPECT_EQ(c.Cal(3, 1), "300");
  EXPECT_EQ(c.Cal(3, 2), "");
  // Too few rows for a fit: coefficients are cleared, and no message is shown.
  EXPECT_EQ(c.Header(hf::CalCoefficient1), "_");
  EXPECT_TRUE(im.sink.shown.empty());
}

TEST(Ver2Import, ShortHeaderLeavesTheDateUnsplit) {
  std::string s = "$Z40\r\n";
  for (int p = 1; p <= 20; ++p) s += (p == 7 ? std::string("1998/05/12") : "x") + "\r\n";
  Imported im;
  Import(im, s, "short.ddf");
  ASSERT_TRUE(im.outcome.ok());
  EXPECT_EQ(im.store.test.Header(hf::DateYear), "1998/05/12");
  EXPECT_EQ(im.store.test.Header(hf::DateMonth), "");
  EXPECT_EQ(im.store.test.Header(hf::LegacyOrigin), "");
}

TEST(Ver2Import, SurplusRowsAreIgnoredAndParsersKeepTheirOwnState) {
  RecordStore store;
  SectionState cal, test;
  ParseVer2Line(store, test, DataKind::Test, "$C", 1.0);
  for (int i = 0; i < 130; ++i) ParseVer2Line(store, test, DataKind::Test, std::to_string(i), 1.0);
  EXPECT_EQ(store.TestCalRows()[40][3], "119");
  EXPECT_EQ(store.TestCalRows()[41][1], "");
  // The calibration parser has not seen a section line: its lines are ignored.
  ParseVer2Line(store, cal, DataKind::Calibration, "5", 1.0);
  EXPECT_EQ(store.calibration.Cal(1, 1), "");
  // A lone "$" names no section.
  ParseVer2Line(store, test, DataKind::Test, "$", 1.0);
  EXPECT_EQ(test.letter, '_');
}

}  // namespace
}  // namespace vek
