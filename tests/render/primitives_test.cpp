// Millimetre conversion, lines, dashed lines, circles, text placement and role fonts on a recording
// device, checked to the device unit.
#include <gtest/gtest.h>

#include <climits>

#include "render/primitives.h"
#include "canvas_fixture.h"

namespace vek::testing {
namespace {

class Canvas600Test : public CanvasTest {
 protected:
  Canvas600Test() : CanvasTest(600) {}
};

TEST_F(CanvasTest, MillimetresMapToScreenPixelsWithMarginsAndBlockOffset) {
  canvas.placement.leftMargin = 15;
  canvas.placement.topMargin = 20;
  EXPECT_EQ(MmToDeviceX(canvas, 16), 117);  // 31 mm x 3.7795 = 117.17
  EXPECT_EQ(MmToDeviceY(canvas, 0), 75);    // 20 mm = 75.59
  canvas.placement.blockOffset = 44;
  EXPECT_EQ(MmToDeviceY(canvas, 5), 260);   // 69 mm = 260.79
}

TEST_F(Canvas600Test, PrinterResolutionGivesTrueMillimetres) {
  canvas.placement.leftMargin = 15;
  EXPECT_NEAR(canvas.placement.pxPerMmX, 23.622, 0.001);
  EXPECT_EQ(MmToDeviceX(canvas, 16), 732);  // 31 mm x 23.622 = 732.28
  EXPECT_EQ(MmToDeviceY(canvas, 25.4), 600);
}

TEST_F(CanvasTest, ConversionTruncatesTowardZeroAndClamps) {
  canvas.placement.leftMargin = 15;
  EXPECT_EQ(MmToDeviceX(canvas, -20), -18);  // -5 mm = -18.9: toward zero, not down
  EXPECT_EQ(MmToDeviceX(canvas, 10000), 32767);
  EXPECT_EQ(MmToDeviceX(canvas, -10000), -32767);
  EXPECT_EQ(MmToDeviceY(canvas, 1e300), 32767);
  EXPECT_EQ(ClampToDevice(std::numeric_limits<double>::quiet_NaN()), 0);
}

TEST_F(CanvasTest, PrepareDrawTakesResolutionAndGraphMargins) {
  RecordingDevice printer(600, 300);
  SheetCanvas c(printer, settings, store, sink);
  c.placement.blockOffset = 12;
  settings.GraphLeftMargin = 7;
  settings.GraphTopMargin = 9;
  PrepareDraw(c);
  EXPECT_EQ(c.placement.dpiX, 600);
  EXPECT_EQ(c.placement.dpiY, 300);
  EXPECT_DOUBLE_EQ(c.placement.leftMargin, 7);
  EXPECT_DOUBLE_EQ(c.placement.topMargin, 9);
  EXPECT_DOUBLE_EQ(c.placement.blockOffset, 0);
  EXPECT_EQ(printer.beginDrawCount, 1);
  UseMargins(c, MarginKind::Table);
  EXPECT_DOUBLE_EQ(c.placement.leftMargin, settings.TableLeftMargin);
}

TEST_F(CanvasTest, LineUsesItsPenAndPutsThePreviousOneBack) {
  device.SelectPen({PenStyle::Dot, 3, 0x123456});
  DrawLineMm(canvas, 10, 20, 30, 20, PenStyle::Solid, 2, 0x0000FF);
  ASSERT_EQ(device.lines.size(), 1u);
  EXPECT_EQ(device.lines[0].pen, (Pen{PenStyle::Solid, 2, 0x0000FF}));
  EXPECT_TRUE(HasLine(10, 20, 30, 20, 2));
  EXPECT_EQ(device.pen(), (Pen{PenStyle::Dot, 3, 0x123456}));
}

TEST_F(CanvasTest, WidthZeroDrawsNothing) {
  DrawLineMm(canvas, 0, 0, 10, 10, PenStyle::Solid, 0, kBlack);
  DrawDashedLineMm(canvas, 0, 0, 10, 0, 5, 5, 0, kBlack);
  DrawCircleMm(canvas, 5, 5, 1, PenStyle::Solid, 0, kBlack);
  EXPECT_TRUE(device.lines.empty());
  EXPECT_TRUE(device.ellipses.empty());
  EXPECT_EQ(device.penSelections, 0);
}

TEST_F(CanvasTest, DashedLineIsBuiltFromPiecesThatStopBeforeTheEnd) {
  DrawDashedLine(device, 0, 7, 100, 7, 5, 3, 1, 0x808080);
  // Pieces start every 8 px while more than one dash is left: 0, 8, ..., 88.
  ASSERT_EQ(device.lines.size(), 12u);
  EXPECT_EQ(device.lines[1].x1, 8);
  EXPECT_EQ(device.lines[1].x2, 13);
  EXPECT_EQ(device.lines.back().x1, 88);
  EXPECT_EQ(device.lines.back().x2, 93);
  for (const auto& l : device.lines) {
    EXPECT_EQ(l.y1, 7);
    EXPECT_EQ(l.y2, 7);
    EXPECT_EQ(l.pen.colour, 0x808080u);
  }

  device.lines.clear();
  DrawDashedLine(device, 4, 0, 4, 100, 5, 5, 1, kBlack);  // top to bottom
  ASSERT_EQ(device.lines.size(), 10u);
  EXPECT_EQ(device.lines.back().y1, 90);
  EXPECT_EQ(device.lines.back().y2, 95);
}

TEST_F(CanvasTest, DashedLineSpecialCases) {
  DrawDashedLine(device, 0, 0, 100, 0, 5, 0, 2, kBlack);  // no gap: one solid line
  ASSERT_EQ(device.lines.size(), 1u);
  EXPECT_EQ(device.lines[0].x2, 100);
  device.lines.clear();
  DrawDashedLine(device, 0, 0, 100, 0, 0, 5, 2, kBlack);  // no dash: nothing
  DrawDashedLine(device, 0, 0, 100, 0, -3, 5, 2, kBlack);
  DrawDashedLine(device, 0, 0, 0, 0, 5, 5, 2, kBlack);    // a point: nothing
  EXPECT_TRUE(device.lines.empty());
  // Drawn right to left, the line is dashed like its mirror image and the loop ends.
  DrawDashedLine(device, 100, 0, 0, 0, 5, 5, 1, kBlack);
  ASSERT_EQ(device.lines.size(), 10u);
  EXPECT_EQ(device.lines.front().x2, 95);
  EXPECT_EQ(device.lines.back().x2, 5);
}

TEST_F(CanvasTest, DashedLinePieceCountIsBounded) {
  DrawDashedLine(device, 0, 0, INT_MAX, 0, 1, 1, 1, kBlack);
  EXPECT_EQ(static_cast<long>(device.lines.size()), kMaxDashPieces);
}

TEST_F(CanvasTest, CircleRadiusUsesTheVerticalResolutionForBothAxes) {
  RecordingDevice d(300, 600);
  SheetCanvas c(d, settings, store, sink);
  c.placement.SetResolution(300, 600);
  DrawCircleMm(c, 10, 10, 1.0, PenStyle::Solid, 2, kBlack);
  ASSERT_EQ(d.ellipses.size(), 1u);
  const auto& e = d.ellipses[0];
  const int cx = MmToDeviceX(c, 10), cy = MmToDeviceY(c, 10);
  EXPECT_EQ(cx - e.left, 23);  // 1 mm at 600 dpi = 23.6 -> 23
  EXPECT_EQ(e.right - cx, 23);
  EXPECT_EQ(cy - e.top, 23);
  EXPECT_EQ(e.bottom - cy, 23);
  EXPECT_EQ(e.pen.width, 2);
}

TEST_F(CanvasTest, TextInRectIsNormalisedAndShrunkByOnePixel) {
  DrawTextInRectMm(canvas, 30, 12.5, 5, 5, "ab");
  ASSERT_EQ(device.texts.size(), 1u);
  const auto& t = device.texts[0];
  EXPECT_TRUE(t.inRect);
  EXPECT_EQ(t.left, X(5) + 1);
  EXPECT_EQ(t.right, X(30) - 1);
  EXPECT_EQ(t.top, Y(5) + 1);
  EXPECT_EQ(t.bottom, Y(12.5) - 1);
}

TEST_F(CanvasTest, SpreadTextFillsTheColumnCharacterByCharacter) {
  SetTextAlign(canvas, HAlign::Right, VAlign::Bottom);
  DrawSpreadTextMm(canvas, 10, 30, 9, 9, 2.0, 0.0, Sjis("測定年月日"));
  ASSERT_EQ(device.texts.size(), 5u);
  const double expected[] = {10, 14.5, 19, 23.5, 28};
  const char* chars[] = {"測", "定", "年", "月", "日"};
  for (int i = 0; i < 5; ++i) {
    EXPECT_EQ(device.texts[i].x, X(expected[i])) << i;
    EXPECT_EQ(device.texts[i].y, Y(9));
    EXPECT_EQ(device.texts[i].text, Sjis(chars[i]));
    EXPECT_EQ(device.texts[i].align, (TextAlign{HAlign::Left, VAlign::Top, false}));
  }
}

TEST_F(CanvasTest, SpreadTextShortAndMixedLabels) {
  DrawSpreadTextMm(canvas, 10, 30, 9, 13, 2.0, 1.0, Sjis("全"));  // one full-width character
  ASSERT_EQ(device.texts.size(), 1u);
  EXPECT_EQ(device.texts[0].x, X(10));
  EXPECT_EQ(device.texts[0].y, Y(10.5));  // (9 + 13 - 1) / 2

  device.texts.clear();
  DrawSpreadTextMm(canvas, 10, 30, 9, 9, 2.0, 0.0, "No");  // two bytes: half of the span apart
  ASSERT_EQ(device.texts.size(), 2u);
  EXPECT_EQ(device.texts[1].x, X(20));

  device.texts.clear();
  // A column narrower than one character is widened to it; half- and full-width characters mix.
  DrawSpreadTextMm(canvas, 10, 11, 9, 9, 2.0, 0.0, Sjis("aＢc"));
  ASSERT_EQ(device.texts.size(), 3u);
  EXPECT_EQ(device.texts[1].text, Sjis("Ｂ"));
  EXPECT_EQ(device.texts[1].x, X(10));       // pitch (12 - 10 - 2) / 2 = 0
  device.texts.clear();
  DrawSpreadTextMm(canvas, 10, 20, 9, 9, 2.0, 0.0, Sjis("aＢc"));
  ASSERT_EQ(device.texts.size(), 3u);
  EXPECT_EQ(device.texts[1].x, X(14));       // pitch 4 per byte; "Ｂ" at byte 1
  EXPECT_EQ(device.texts[2].x, X(22));       // "c" at byte 3
}

TEST_F(CanvasTest, RoleFontHeightIsTheTruncatedCellHeight) {
  EXPECT_EQ(RoleFontHeightPx(canvas, 1), 14);  // 10.5 pt at 96 dpi
  settings.fonts[1].size = 9.0;
  EXPECT_EQ(RoleFontHeightPx(canvas, 2), 12);
  canvas.placement.SetResolution(600, 600);
  EXPECT_EQ(RoleFontHeightPx(canvas, 1), 87);  // 87.5
  EXPECT_NEAR(RoleFontHeightMm(canvas, 1), 87 / (600 / 25.4), 1e-9);
}

TEST_F(CanvasTest, SelectRoleFontMakesTheFontAndColourCurrent) {
  settings.fonts[4].size = 16;
  settings.fonts[4].colour = 0x0000FF;
  settings.fonts[4].face = Sjis("ＭＳ Ｐゴシック");
  ASSERT_TRUE(SelectRoleFont(canvas, 5, 90));
  EXPECT_EQ(device.font(), (FontSpec{21, 900, Sjis("ＭＳ Ｐゴシック")}));
  EXPECT_EQ(canvas.fontHeightPx, 21);
  EXPECT_NEAR(CurrentFontHeightMm(canvas), 21 / 3.7795275590551, 1e-9);
  DrawTextMm(canvas, 0, 0, "x");
  EXPECT_EQ(device.texts.back().colour, 0x0000FFu);
  EXPECT_TRUE(sink.shown.empty());
}

TEST_F(CanvasTest, LongFaceNamesAreCutWithoutSplittingACharacter) {
  settings.fonts[0].face = Sjis("あいうえおかきくけこさしすせそたち");  // 34 bytes
  ASSERT_TRUE(SelectRoleFont(canvas, 1));
  EXPECT_EQ(device.font().face, Sjis("あいうえおかきくけこさしすせそ"));  // 30 bytes
  settings.fonts[0].face = std::string(40, 'A');
  ASSERT_TRUE(SelectRoleFont(canvas, 1));
  EXPECT_EQ(device.font().face.size(), 31u);
}

TEST_F(CanvasTest, FontFailureIsReportedAndDrawingGoesOnWithTheOldFont) {
  ASSERT_TRUE(SelectRoleFont(canvas, 1));
  device.failFonts = true;
  settings.fonts[1].size = 20;
  EXPECT_FALSE(SelectRoleFont(canvas, 2));
  EXPECT_EQ(sink.shown, std::vector<std::string>{"Can't create font"});
  EXPECT_EQ(device.font().height, 14);
  EXPECT_EQ(canvas.fontHeightPx, 14);

  device.failFonts = false;
  settings.fonts[2].size = 0.1;  // below one pixel
  EXPECT_FALSE(SelectRoleFont(canvas, 3));
  EXPECT_FALSE(SelectRoleFont(canvas, 7));  // no such role
  EXPECT_EQ(sink.shown.size(), 3u);
}

TEST(InterpolateTest, MapsBetweenScalesAndGivesZeroForADegenerateOne) {
  EXPECT_DOUBLE_EQ(Interpolate(150, 0, 300, 8, 174), 91);
  EXPECT_DOUBLE_EQ(Interpolate(40, 80, 0, 5, 165), 85);
  EXPECT_DOUBLE_EQ(Interpolate(5, 1, 1.0000005, 0, 10), 0);
  EXPECT_DOUBLE_EQ(Interpolate(-10, 0, 10, 0, 100), -100);
}

TEST(ColourTextTest, BaseFollowsThePrefix) {
  EXPECT_EQ(ParseColourText("0x808080"), 0x808080u);
  EXPECT_EQ(ParseColourText("0X006000"), 0x006000u);
  EXPECT_EQ(ParseColourText("010"), 8u);
  EXPECT_EQ(ParseColourText("255"), 255u);
  EXPECT_EQ(ParseColourText(""), 0u);
  EXPECT_EQ(ParseColourText("red"), 0u);
}

}  // namespace
}  // namespace vek::testing
