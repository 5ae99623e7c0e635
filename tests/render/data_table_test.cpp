// The test data table: four column layouts, frame and captions, row positions with the half-row
// gaps, cell formats in cm and m, paging and the row-number column.
#include <gtest/gtest.h>

#include <cmath>

#include "core/header_fields.h"
#include "render/data_table.h"
#include "canvas_fixture.h"

namespace vek::testing {
namespace {

class DataTableTest : public CanvasTest {
 protected:
  DataTableTest() {
    canvas.placement.leftMargin = 15;
    canvas.placement.topMargin = 20;
    canvas.placement.blockOffset = 44;
    store.test.Header(hf::Show120Reading) = "1";
  }
  void FillRows(int n) {
    for (int row = 1; row <= n; ++row) {
      store.test.Test(row, tf::Pressure) = std::to_string(row * 10);
      store.test.Test(row, tf::R) = "4.1234";
    }
  }
  // Value texts drawn right/bottom (the captions are drawn in rectangles).
  std::vector<RecordedText> Cells() const {
    std::vector<RecordedText> out;
    for (const auto& t : device.texts)
      if (!t.inRect && t.align.horizontal == HAlign::Right && t.align.vertical == VAlign::Bottom) out.push_back(t);
    return out;
  }
};

TEST(TableLayoutTest, FourLayouts) {
  const TableLayout a = ChooseTableLayout(false, true);
  EXPECT_EQ(a.Left(), 5);
  EXPECT_EQ(a.Right(), 175);
  EXPECT_EQ(a.x[7], 75);
  EXPECT_EQ(a.FirstColumn(), 2);
  const TableLayout b = ChooseTableLayout(false, false);
  EXPECT_EQ(b.x[5], 50);
  EXPECT_EQ(b.x[8] - b.x[7], 5);  // the hidden 120 s column shrinks to 5 mm
  const TableLayout c = ChooseTableLayout(true, true);
  EXPECT_EQ(c.Left(), 5);
  EXPECT_EQ(c.x[2], 8.5);
  EXPECT_EQ(c.Right(), 178);
  EXPECT_EQ(c.FirstColumn(), 1);
  const TableLayout d = ChooseTableLayout(true, false);
  EXPECT_EQ(d.x[7], 87);
  EXPECT_EQ(d.x[8], 92);
}

TEST(TableLayoutTest, RowsComeInGroupsOfFiveWithHalfRowGaps) {
  const auto& ys = TableRowBottoms();
  const double p = 170 / 44.5;
  EXPECT_NEAR(ys[1], 20 + 1.5 * p, 1e-9);
  EXPECT_NEAR(ys[5], 20 + 5.5 * p, 1e-9);
  EXPECT_NEAR(ys[6] - ys[5], 1.5 * p, 1e-9);
  EXPECT_NEAR(ys[7] - ys[6], p, 1e-9);
  EXPECT_NEAR(ys[40], 20 + 44 * p, 1e-9);
  EXPECT_LT(ys[40], 190);
}

TEST_F(DataTableTest, FrameAndInnerLines) {
  settings.FrameLineWidth = 3;
  settings.RuleLineWidth = 1;
  DrawTestDataTable(canvas, 4.0, 1);
  EXPECT_EQ(device.LinesOfWidth(3).size(), 4u);
  EXPECT_TRUE(HasLine(5, 5, 175, 5, 3));
  EXPECT_TRUE(HasLine(5, 190, 175, 190, 3));
  EXPECT_TRUE(HasLine(5, 5, 5, 190, 3));
  EXPECT_TRUE(HasLine(175, 5, 175, 190, 3));
  EXPECT_EQ(device.LinesOfWidth(1).size(), 4u);
  EXPECT_TRUE(HasLine(5, 12.5, 175, 12.5, 1));
  EXPECT_TRUE(HasLine(5, 20, 175, 20, 1));
  EXPECT_TRUE(HasLine(33, 5, 33, 190, 1));
  EXPECT_TRUE(HasLine(89, 5, 89, 190, 1));
}

TEST_F(DataTableTest, WithoutLineWidthsOnlyTextIsDrawn) {
  settings.FrameLineWidth = 0;
  settings.RuleLineWidth = 0;
  FillRows(3);
  DrawTestDataTable(canvas, 4.0, 1);
  EXPECT_TRUE(device.lines.empty());
  EXPECT_FALSE(device.texts.empty());
}

TEST_F(DataTableTest, CaptionsInCentimetres) {
  DrawTestDataTable(canvas, 4.0, 1);
  const RecordedText standpipe = OnlyText("スタンドパイプの読み Ｈ’ｃｍ");
  EXPECT_EQ(standpipe.left, X(33) + 1);
  EXPECT_EQ(standpipe.right, X(89) - 1);  // spans the four reading columns
  EXPECT_EQ(standpipe.top, Y(5) + 1);
  EXPECT_EQ(OnlyText("セル水圧").left, X(5.6) + 1);
  const RecordedText r = OnlyText("ｒ");
  EXPECT_EQ(r.left, X(160) + 1);
  const RecordedText s120 = OnlyText(" 120”");
  EXPECT_EQ(s120.left, X(75.5) + 1);
  EXPECT_EQ(s120.right, X(91.5) - 1);
  EXPECT_EQ(s120.top, Y(12.5) + 1);
  EXPECT_EQ(s120.bottom, Y(20) - 1);
  EXPECT_EQ(device.TextsEqual("ｃｍ").size(), 3u);
  EXPECT_EQ(device.TextsEqual("kN/㎡").size(), 5u);
  EXPECT_TRUE(device.TextsEqual(" No.").empty());
  EXPECT_TRUE(device.TextsEqual("1kgf/c㎡＝100.0kN/㎡").empty());
}

TEST_F(DataTableTest, CellValuesEndBeforeTheirColumnBorder) {
  settings.DigitsPressure = 0;
  settings.DigitsR = 2;
  settings.DigitsPe = 1;
  FillRows(6);
  store.test.Test(1, tf::Pe) = "55.55";
  store.test.Test(1, tf::Reading120) = "7";
  store.test.Test(2, tf::GasPressure) = "abc";  // not a number: prints nothing
  DrawTestDataTable(canvas, 4.0, 1);
  const auto& ys = TableRowBottoms();
  const RecordedText p1 = OnlyText("  10");
  EXPECT_EQ(p1.x, X(17));  // "セル水圧" column ends at 19
  EXPECT_EQ(p1.y, Y(ys[1] - 0.5));
  EXPECT_EQ(OnlyText("  60").y, Y(ys[6] - 0.5));
  EXPECT_EQ(OnlyText("55.5").x, X(158));  // Pe column ends at 160; 55.55 is held just below
  EXPECT_EQ(OnlyText(" 7.0").x, X(87));   // 120 s column ends at 89
  EXPECT_EQ(device.TextsEqual("4.12").size(), 6u);
  EXPECT_EQ(OnlyText("  20").x, X(17));
  EXPECT_EQ(Cells().size(), 6u * 2 + 2);
  EXPECT_EQ(device.align(), (TextAlign{HAlign::Left, VAlign::Top, false}));
}

TEST_F(DataTableTest, Hidden120ReadingWidensTheOtherReadings) {
  store.test.Header(hf::Show120Reading) = "0";
  settings.DigitsReading = 1;
  store.test.Test(1, tf::Reading15) = "1";
  store.test.Test(1, tf::Reading60) = "3";
  store.test.Test(1, tf::Reading120) = "4";
  store.test.Test(1, tf::DH) = "5";
  DrawTestDataTable(canvas, 4.0, 1);
  EXPECT_EQ(OnlyText(" 1.0").x, X(50 - 3.5));
  EXPECT_EQ(OnlyText(" 3.0").x, X(84 - 3.5));
  EXPECT_TRUE(device.TextsEqual(" 4.0").empty());
  EXPECT_EQ(OnlyText(" 5.0").x, X(103 - 2));  // dH keeps the normal inset
  EXPECT_TRUE(device.TextsEqual(" 120”").empty());
  EXPECT_EQ(device.TextsEqual(" 60”").size(), 1u);
}

TEST_F(DataTableTest, MetreUnitDividesLengthsAndSwitchesCaptions) {
  settings.LengthUnit = 1;
  settings.DigitsReading = 2;
  settings.DigitsH = 3;
  settings.DigitsR = 2;
  store.test.Test(1, tf::Pressure) = "100";
  store.test.Test(1, tf::Reading15) = "12";
  store.test.Test(1, tf::H) = "25";
  store.test.Test(1, tf::R) = "4.1234";
  store.test.Test(1, tf::PG) = "300";
  DrawTestDataTable(canvas, 4.0, 1);
  EXPECT_EQ(device.TextsEqual("0.12").size(), 1u);
  EXPECT_EQ(device.TextsEqual("0.250").size(), 1u);
  EXPECT_EQ(device.TextsEqual("0.04").size(), 1u);
  EXPECT_EQ(device.TextsEqual(" 100").size(), 1u);  // pressures are not converted
  EXPECT_EQ(device.TextsEqual(" 300").size(), 1u);
  EXPECT_EQ(device.TextsEqual("スタンドパイプの読み Ｈ’ｍ").size(), 1u);
  EXPECT_EQ(device.TextsEqual("ｍ").size(), 3u);
  EXPECT_TRUE(device.TextsEqual("ｃｍ").empty());
}

TEST_F(DataTableTest, PagesOfFortyRowsStopAfterRow120) {
  FillRows(120);
  DrawTestDataTable(canvas, 4.0, 2);
  EXPECT_EQ(device.TextsEqual(" 410").size(), 1u);  // row 41 opens page 2
  EXPECT_EQ(OnlyText(" 410").y, Y(TableRowBottoms()[1] - 0.5));
  EXPECT_EQ(device.TextsEqual(" 800").size(), 1u);
  EXPECT_TRUE(device.TextsEqual(" 810").empty());

  device.texts.clear();
  device.lines.clear();
  DrawTestDataTable(canvas, 4.0, 4);  // beyond row 120: frame and captions only
  EXPECT_TRUE(Cells().empty());
  EXPECT_EQ(device.lines.size(), 8u);

  device.texts.clear();
  DrawTestDataTable(canvas, 4.0, 0);  // no such page: no rows
  EXPECT_TRUE(Cells().empty());
}

TEST_F(DataTableTest, ExactlyFortyRowsLeaveTheSecondPageEmpty) {
  FillRows(40);
  DrawTestDataTable(canvas, 4.0, 2);
  EXPECT_TRUE(Cells().empty());
  EXPECT_EQ(device.TextsEqual("セル水圧").size(), 1u);
}

TEST_F(DataTableTest, RowNumbersOnlyForRowsThatPrintedSomething) {
  store.test.Header(hf::ShowDataNo) = "1";
  settings.ShowSiFactor = 1;
  FillRows(2);
  store.test.Test(4, tf::Pe) = "9";
  DrawTestDataTable(canvas, 4.0, 1);
  const auto& ys = TableRowBottoms();
  const RecordedText one = OnlyText("  1");
  EXPECT_EQ(one.x, X(10));  // 1.5 mm right of the number column's border at 8.5
  EXPECT_EQ(one.y, Y(ys[1] - 0.5));
  EXPECT_EQ(one.align, (TextAlign{HAlign::Right, VAlign::Bottom, false}));
  EXPECT_EQ(device.TextsEqual("  2").size(), 1u);
  EXPECT_TRUE(device.TextsEqual("  3").empty());
  EXPECT_EQ(device.TextsEqual("  4").size(), 1u);
  EXPECT_EQ(OnlyText("  10").x, X(23 - 2));
  EXPECT_EQ(OnlyText(" No.").left, X(5.5) + 1);
  EXPECT_TRUE(HasLine(5, 5, 178, 5, settings.FrameLineWidth));
  const RecordedText note = OnlyText("1kgf/c㎡＝100.0kN/㎡");
  EXPECT_EQ(note.x, X(177));
  EXPECT_EQ(note.y, Y(4));
  EXPECT_EQ(note.align, (TextAlign{HAlign::Right, VAlign::Bottom, false}));
}

}  // namespace
}  // namespace vek::testing
