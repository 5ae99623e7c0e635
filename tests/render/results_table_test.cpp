// The results table of the graph page, the raised unit and the formula lines.
#include <gtest/gtest.h>

#include "core/header_fields.h"
#include "render/primitives.h"
#include "render/results_table.h"
#include "canvas_fixture.h"

namespace vek::testing {
namespace {

class ResultsTest : public CanvasTest {
 protected:
  ResultsTest() {
    canvas.placement.leftMargin = 15;
    canvas.placement.topMargin = 20;
    Record& r = store.test;
    r.Header(hf::Po) = "50.123";
    r.Header(hf::PyNet) = "300";
    r.Header(hf::PlNet) = "900.5";
    r.Header(hf::MeanRadius) = "4.1234";
    r.Header(hf::KValue) = "12.3456";
    r.Header(hf::EModulus) = "25";
    settings.DigitsPoPyPl = 1;
    settings.DigitsK = 3;
    settings.DigitsE = 0;
    settings.DigitsRm = 2;
    SelectRoleFont(canvas, 1);
  }
  void ExpectInCell(const RecordedText& t, int cell, double top, double bottom) {
    EXPECT_TRUE(t.inRect);
    EXPECT_EQ(t.left, X(5 + 27.5 * cell) + 1);
    EXPECT_EQ(t.right, X(5 + 27.5 * (cell + 1)) - 1);
    EXPECT_EQ(t.top, Y(top) + 1);
    EXPECT_EQ(t.bottom, Y(bottom) - 1);
  }
};

TEST_F(ResultsTest, FrameAndRules) {
  settings.FrameLineWidth = 2;
  settings.RuleLineWidth = 1;
  DrawResultsTable(canvas, CurrentFontHeightMm(canvas));
  EXPECT_EQ(device.LinesOfWidth(2).size(), 4u);
  EXPECT_TRUE(HasLine(5, 35, 170, 35, 2));
  EXPECT_TRUE(HasLine(170, 35, 170, 54, 2));
  EXPECT_EQ(device.LinesOfWidth(1).size(), 6u);
  EXPECT_TRUE(HasLine(5, 46, 170, 46, 1));
  for (double x : {32.5, 60.0, 87.5, 115.0, 142.5}) EXPECT_TRUE(HasLine(x, 35, x, 54, 1)) << x;
  EXPECT_FALSE(HasLine(5, 40.5, 170, 40.5, 1));
}

TEST_F(ResultsTest, LabelsUnitsAndValuesInTheirCells) {
  DrawResultsTable(canvas, CurrentFontHeightMm(canvas));
  ExpectInCell(OnlyText("静止土圧 Po"), 0, 35, 40.5);
  ExpectInCell(OnlyText("中間半径 rm"), 5, 35, 40.5);
  ExpectInCell(OnlyText("変形係数 E"), 4, 35, 40.5);
  ExpectInCell(OnlyText("MN/㎡"), 4, 40.5, 46);
  ExpectInCell(OnlyText("ｃｍ"), 5, 40.5, 46);
  EXPECT_EQ(device.TextsEqual("kN/㎡").size(), 3u);
  ExpectInCell(OnlyText("50.1"), 0, 46, 54);
  ExpectInCell(OnlyText("300.0"), 1, 46, 54);
  ExpectInCell(OnlyText("900.5"), 2, 46, 54);
  ExpectInCell(OnlyText("12.346"), 3, 46, 54);
  ExpectInCell(OnlyText("  25"), 4, 46, 54);
  ExpectInCell(OnlyText("4.12"), 5, 46, 54);
}

TEST_F(ResultsTest, HiddenPlMissingValuesMetresAndModulusNaming) {
  Record& r = store.test;
  r.Header(hf::HidePl) = "1";
  r.Header(hf::KValue) = "";
  settings.LengthUnit = 1;
  settings.ModulusHeading = Sjis("弾性係数");
  settings.ModulusSymbol = Sjis("Ｇ");
  DrawResultsTable(canvas, CurrentFontHeightMm(canvas));
  EXPECT_EQ(device.TextsEqual("破壊圧 Pl").size(), 1u);  // label and unit stay
  EXPECT_TRUE(device.TextsEqual("900.5").empty());
  EXPECT_TRUE(device.TextsEqual("12.346").empty());
  EXPECT_EQ(device.TextsEqual("弾性係数 Ｇ").size(), 1u);
  EXPECT_EQ(device.TextsEqual("0.04").size(), 1u);
  EXPECT_EQ(device.TextsEqual("ｍ").size(), 1u);
  for (const auto& t : device.texts) EXPECT_FALSE(t.text.empty());
}

TEST_F(ResultsTest, CubicUnitIsRaisedAndContinuesFromTheBase) {
  const double h = CurrentFontHeightMm(canvas);  // 14 px
  DrawResultsTable(canvas, h);
  const RecordedText base = OnlyText("MN/ｍ");
  const RecordedText three = OnlyText("3");
  EXPECT_FALSE(base.inRect);
  EXPECT_EQ(base.x, X(101.25 - 5));
  EXPECT_EQ(base.y, Y(43.25 - 0.5 * h));
  EXPECT_TRUE(base.align.updateCurrentPosition);
  const int raise = Y(0.8) - Y(0);
  EXPECT_EQ(raise, 3);
  EXPECT_EQ(three.x, base.x + 5 * 14 / 2);  // recording metric: 5 bytes x height / 2
  EXPECT_EQ(three.y, base.y - raise);
  EXPECT_EQ(device.align(), (TextAlign{HAlign::Left, VAlign::Top, false}));
}

TEST_F(ResultsTest, RaisedUnitFromTheCurrentPositionWithATail) {
  device.MoveTo(200, 300);
  DrawRaisedUnit(canvas, -10000, -10000, "m", "2", "/s");
  ASSERT_EQ(device.texts.size(), 3u);
  EXPECT_EQ(device.texts[0].x, 200);
  EXPECT_EQ(device.texts[0].y, 300);
  EXPECT_EQ(device.texts[1].x, 207);
  EXPECT_EQ(device.texts[2].x, 214);
  EXPECT_EQ(device.texts[2].y, 300);
  EXPECT_EQ(device.texts[2].text, "/s");

  device.texts.clear();
  DrawRaisedUnit(canvas, -10000, 10, "m", "2", "");  // only one coordinate missing: moves
  EXPECT_EQ(device.texts[0].x, X(-10000));
  EXPECT_EQ(device.texts[0].y, Y(10));
}

TEST_F(ResultsTest, FormulaLinesAreSpreadOverSevenParts) {
  for (int i = 0; i < 6; ++i) store.test.Header(hf::FormulaPlText + i) = "line" + std::to_string(i);
  store.test.Header(hf::FormulaEText) = std::string(300, 'x');  // runs past the frame, uncut
  SetTextAlign(canvas, HAlign::Right, VAlign::Bottom);
  DrawFormulaLines(canvas, 110, 135, 165);
  ASSERT_EQ(device.texts.size(), 6u);
  EXPECT_EQ(device.texts[0].y, Y(135 + 30.0 / 14));  // 137.14
  EXPECT_EQ(device.texts[1].y, Y(135 + 30.0 / 14 + 30.0 / 7));
  EXPECT_EQ(device.texts[4].text, "line4");
  EXPECT_EQ(device.texts[5].text.size(), 300u);
  for (const auto& t : device.texts) {
    EXPECT_EQ(t.x, X(110));
    EXPECT_EQ(t.align, (TextAlign{HAlign::Left, VAlign::Top, false}));
  }
  device.texts.clear();
  DrawFormulaLines(canvas, 60, 20, 60);
  EXPECT_EQ(device.texts[0].y, Y(20 + 40.0 / 14));  // 22.86
}

}  // namespace
}  // namespace vek::testing
