// Calibration graph and calibration table, checked to the device unit on a 96-dpi recording device.
#include "render/cal_sheet.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "core/number_format.h"
#include "render/primitives.h"
#include "sheet_test_fixture.h"

namespace vek::testing {
namespace {

class CalSheetTest : public SheetTest {
 protected:
  CalSheetTest() {
    settings.RuleLineWidth = 3;  // tells curve segments apart from grid lines (width 1)
    settings.SymbolLineWidth = 2;
    settings.FrameLineWidth = 4;
  }

  void SetRow(int row, const char* p, const char* h_reading, const char* h) {
    store.calibration.Cal(row, cf::Pressure) = p;
    store.calibration.Cal(row, cf::Reading) = h_reading;
    store.calibration.Cal(row, cf::H) = h;
  }

  void DrawGraph() {
    SheetCanvas c = Canvas();
    c.placement.blockOffset = 46.0;
    DrawCalGraph(c, FontMm(3));
  }

  void DrawTable() {
    SheetCanvas c = Canvas();
    UseMargins(c, MarginKind::Table);
    c.placement.blockOffset = 45.0;
    DrawCalTable(c, FontMm(2));
  }

  // Graph y in mm on the page for block y (graph top margin 20, block offset 46).
  static double GraphY(double y) { return 20.0 + 46.0 + y; }
};

TEST_F(CalSheetTest, ScalesMapTheCornersAndCentreOfTheFrame) {
  EXPECT_DOUBLE_EQ(CalGraphX(0), 16.0);
  EXPECT_DOUBLE_EQ(CalGraphX(300), 166.0);
  EXPECT_DOUBLE_EQ(CalGraphY(0), 165.0);
  EXPECT_DOUBLE_EQ(CalGraphY(80), 5.0);
  EXPECT_DOUBLE_EQ(CalGraphX(150), 91.0);
  EXPECT_DOUBLE_EQ(CalGraphY(40), 85.0);
  EXPECT_DOUBLE_EQ(CalGraphX(400), 216.0);  // beyond the scale: outside the frame, not clipped
}

TEST_F(CalSheetTest, PointAtMidScaleIsACircleAtTheFrameCentre) {
  store.calibration.Header(hf::CalCurveType) = "0";
  SetRow(1, "150", "52", "40");
  DrawGraph();
  ASSERT_EQ(device.ellipses.size(), 1u);
  const RecordedEllipse& e = device.ellipses[0];
  const int cx = Px(15 + 91), cy = Px(GraphY(85)), r = Px(1.0);
  EXPECT_EQ(e.left, cx - r);
  EXPECT_EQ(e.right, cx + r);
  EXPECT_EQ(e.top, cy - r);
  EXPECT_EQ(e.bottom, cy + r);
  EXPECT_EQ(e.pen.width, 2);
  EXPECT_EQ(e.pen.colour, kBlack);
}

TEST_F(CalSheetTest, StraightLineModeJoinsThePointsUpToTheFirstIncompleteRow) {
  store.calibration.Header(hf::CalCurveType) = "0";
  for (int i = 1; i <= 12; ++i) {
    const std::string p = std::to_string(20 * i);
    const std::string h = std::to_string(5 * i);
    SetRow(i, p.c_str(), "", h.c_str());
  }
  SetRow(14, "300", "", "70");  // after a gap: never plotted
  DrawGraph();
  EXPECT_EQ(device.ellipses.size(), 12u);
  const auto segments = device.LinesOfWidth(3);
  ASSERT_EQ(segments.size(), 11u);
  // The first segment runs from point 1 to point 2.
  EXPECT_EQ(segments[0].x1, Px(15 + CalGraphX(20)));
  EXPECT_EQ(segments[0].y1, Px(GraphY(CalGraphY(5))));
  EXPECT_EQ(segments[0].x2, Px(15 + CalGraphX(40)));
  EXPECT_EQ(segments[0].y2, Px(GraphY(CalGraphY(10))));
}

TEST_F(CalSheetTest, FailedFitDrawsTheCurveAlongTheLeftEdge) {
  store.calibration.Header(hf::CalCurveType) = "1";
  store.calCoefficients = {0, 0, 0, 0, 0};
  SetRow(1, "100", "", "20");
  DrawGraph();
  const auto segments = device.LinesOfWidth(3);
  ASSERT_EQ(segments.size(), 26u);  // H from 0 to 80 cm in 26 steps
  for (const auto& s : segments) {
    EXPECT_EQ(s.x1, Px(15 + 16));
    EXPECT_EQ(s.x2, Px(15 + 16));
  }
  EXPECT_EQ(segments.front().y1, Px(GraphY(165)));
  EXPECT_EQ(segments.back().y2, Px(GraphY(5)));
  // The measured points are drawn in regression mode too, but not joined.
  EXPECT_EQ(device.ellipses.size(), 1u);
}

TEST_F(CalSheetTest, RegressionCurveIsCutWhereItLeavesTheFrameSideways) {
  store.calibration.Header(hf::CalCurveType) = "1";
  store.calCoefficients = {0, 10, 0, 0, 0};  // P = 10 H: x = 174 mm at H = 31.6 cm
  DrawGraph();
  const auto segments = device.LinesOfWidth(3);
  ASSERT_EQ(segments.size(), 10u);  // H = 80/26 ... 10 x 80/26 = 30.8 cm
  for (const auto& s : segments) EXPECT_LE(s.x2, Px(15 + 174));
}

TEST_F(CalSheetTest, FrameGridAndScaleLabels) {
  settings.GridColour = "0x123456";
  DrawGraph();
  EXPECT_EQ(device.LinesOfWidth(4).size(), 4u);  // frame
  // 14 vertical and 15 horizontal grid lines, dashed in the grid colour.
  const auto grid = device.LinesOfWidth(1);
  ASSERT_FALSE(grid.empty());
  for (const auto& l : grid) EXPECT_EQ(l.pen.colour, 0x123456u);
  int vertical_x = 0;
  std::vector<int> xs;
  for (const auto& l : grid)
    if (l.x1 == l.x2 && std::find(xs.begin(), xs.end(), l.x1) == xs.end()) xs.push_back(l.x1);
  vertical_x = static_cast<int>(xs.size());
  EXPECT_EQ(vertical_x, 14);

  for (const char* p : {"0", "100", "200", "300"}) EXPECT_EQ(CountTexts(p), 1u) << p;
  const auto p200 = device.TextsEqual("200");
  EXPECT_EQ(p200[0].x, Px(15 + 116));
  EXPECT_EQ(p200[0].y, Px(GraphY(166)));
  EXPECT_EQ(p200[0].align.horizontal, HAlign::Centre);
  EXPECT_EQ(CountTexts("Ｐ (kN/㎡)"), 1u);

  // H labels in cm with DigitsH 1, right-aligned at x = 15.
  const auto h40 = device.TextsEqual("40.0");
  ASSERT_EQ(h40.size(), 1u);
  EXPECT_EQ(h40[0].x, Px(15 + 15));
  EXPECT_EQ(h40[0].y, Px(GraphY(165 - 80 - 0.4 * FontMm(3))));
  EXPECT_EQ(h40[0].align.horizontal, HAlign::Right);
  EXPECT_EQ(CountTexts("80.0"), 1u);
}

TEST_F(CalSheetTest, MonochromeGridIsBlack) {
  settings.GridColour = "0x123456";
  settings.GridMonochrome = 1;
  DrawGraph();
  for (const auto& l : device.LinesOfWidth(1)) EXPECT_EQ(l.pen.colour, kBlack);
}

TEST_F(CalSheetTest, AxisNameUprightOrRotated) {
  settings.RotateAxisNames = 0;
  DrawGraph();
  auto name = device.TextsEqual("Ｈ（cm）");
  ASSERT_EQ(name.size(), 1u);
  EXPECT_EQ(name[0].font.escapement, 0);
  EXPECT_EQ(name[0].align.horizontal, HAlign::Right);
  EXPECT_EQ(name[0].x, Px(15 + 14));

  device.texts.clear();
  settings.RotateAxisNames = 1;
  DrawGraph();
  name = device.TextsEqual("Ｈ（cm）");
  ASSERT_EQ(name.size(), 1u);
  EXPECT_EQ(name[0].font.escapement, 900);
  EXPECT_EQ(name[0].align.horizontal, HAlign::Left);
  EXPECT_EQ(name[0].x, Px(15 + 6));
  EXPECT_EQ(name[0].y, Px(GraphY(85 - FontMm(3))));
}

TEST_F(CalSheetTest, MetreModeLabelsAndTableValues) {
  settings.LengthUnit = 1;
  settings.DigitsReading = 3;
  settings.DigitsH = 3;
  SetRow(1, "50", "62.5", "12.5");
  DrawGraph();
  EXPECT_EQ(CountTexts("Ｈ（m）"), 1u);
  EXPECT_EQ(CountTexts("0.800"), 1u);
  EXPECT_EQ(CountTexts("80.000"), 0u);

  device.texts.clear();
  DrawTable();
  EXPECT_EQ(CountTexts("0.625"), 1u);
  EXPECT_EQ(CountTexts("0.125"), 1u);
  EXPECT_EQ(CountTexts("  50"), 1u);
}

TEST_F(CalSheetTest, TableReadingColumnFollowsTheTimeBasis) {
  SetRow(1, "20", "57.5", "2.5");
  SetRow(2, "40", "60.0", "5.0");

  store.calibration.Header(hf::ReadingTimeBasis) = "0";
  DrawTable();
  auto reading = device.TextsEqual("57.5");
  ASSERT_EQ(reading.size(), 1u);
  EXPECT_EQ(reading[0].x, Px(15 + 75 - 2));  // 60 s column
  EXPECT_EQ(reading[0].align.horizontal, HAlign::Right);
  EXPECT_EQ(reading[0].align.vertical, VAlign::Bottom);
  EXPECT_EQ(CountTexts(" 120”"), 0u);
  EXPECT_EQ(CountTexts(" 60”"), 1u);

  device.texts.clear();
  store.calibration.Header(hf::ReadingTimeBasis) = "1";
  DrawTable();
  reading = device.TextsEqual("57.5");
  ASSERT_EQ(reading.size(), 1u);
  EXPECT_EQ(reading[0].x, Px(15 + 89 - 2));  // 120 s column
  EXPECT_EQ(CountTexts(" 120”"), 1u);

  // P in the cell-pressure column, H in the H column; first row after the half-row gap.
  const auto p = device.TextsEqual("  20");
  ASSERT_EQ(p.size(), 1u);
  EXPECT_EQ(p[0].x, Px(15 + 19 - 2));
  const double pitch = 170.0 / 44.5;
  EXPECT_EQ(p[0].y, Px(20 + 45 + 20 + 1.5 * pitch - 0.5));
  const auto h = device.TextsEqual(" 2.5");
  ASSERT_EQ(h.size(), 1u);
  EXPECT_EQ(h[0].x, Px(15 + 117 - 2));
}

TEST_F(CalSheetTest, TableRowNumbersOnlyForRowsWithValues) {
  store.calibration.Header(hf::ShowDataNo) = "1";
  SetRow(1, "20", "57.5", "2.5");
  SetRow(3, "x", "", "");  // nothing printable: no number either
  SetRow(6, "60", "", "");
  DrawTable();
  EXPECT_EQ(CountTexts("  1"), 1u);
  EXPECT_EQ(CountTexts("  3"), 0u);
  const auto six = device.TextsEqual("  6");
  ASSERT_EQ(six.size(), 1u);
  // Layout with the number column: its right border is at 8.5 mm.
  EXPECT_EQ(six[0].x, Px(15 + 8.5 + 1.5));
  // Row 6 opens the second group of five: two half-row gaps above it.
  const double pitch = 170.0 / 44.5;
  EXPECT_EQ(six[0].y, Px(20 + 45 + 20 + 7 * pitch - 0.5));
  // P of row 6 in the widened layout's cell-pressure column (right border 23 mm).
  const auto p = device.TextsEqual("  60");
  ASSERT_EQ(p.size(), 1u);
  EXPECT_EQ(p[0].x, Px(15 + 23 - 2));
}

TEST_F(CalSheetTest, PointNumbersBesideThePoints) {
  store.calibration.Header(hf::ShowDataNo) = "1";
  SetRow(1, "150", "", "40");
  DrawGraph();
  const auto one = device.TextsEqual("1");
  ASSERT_EQ(one.size(), 1u);
  EXPECT_EQ(one[0].x, Px(15 + 93));
  EXPECT_EQ(one[0].y, Px(GraphY(85 - 0.5 * FontMm(3))));
}

}  // namespace
}  // namespace vek::testing
