// Line widths are printer pixels: the screen shows them as wide as they print.
#include "render/printed_width_device.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <set>

#include "render/page_compose.h"
#include "sheet_test_fixture.h"

namespace vek::testing {
namespace {

TEST(PrintedWidth, PrinterPixelsBecomeDevicePixelsButNeverVanish) {
  // On the printer a width is what it says.
  for (int width : {1, 2, 8, 30}) EXPECT_EQ(PrintedWidthOnDevice(width, 600), width);
  // A frame of 8 printer pixels is 0.34 mm: 1.28 screen pixels at 96 dpi, 2.56 at 192 (zoom 2).
  EXPECT_EQ(PrintedWidthOnDevice(8, 96), 1);
  EXPECT_EQ(PrintedWidthOnDevice(8, 192), 3);
  EXPECT_EQ(PrintedWidthOnDevice(30, 96), 5);
  // A thin line stays visible; no line stays no line.
  EXPECT_EQ(PrintedWidthOnDevice(1, 96), 1);
  EXPECT_EQ(PrintedWidthOnDevice(0, 96), 0);
  EXPECT_EQ(PrintedWidthOnDevice(0, 600), 0);
}

class PrintedWidthPageTest : public SheetTest {
 protected:
  PrintedWidthPageTest() {
    store.currentSheet = kTestSheet;
    settings.FrameLineWidth = 8;
    settings.RuleLineWidth = 1;
    settings.SymbolLineWidth = 2;
  }
  void DrawGraphPage(DrawDevice& on) {
    ViewState view;
    view.lastDrawnSheet = kTestSheet;
    DrawCurrentPage(on, store, settings, view, sink);
  }
};

TEST_F(PrintedWidthPageTest, OnTheScreenTheFrameIsAsThinAsOnPaperAndTheLinesAreThoseOfThePrint) {
  PrintedWidthDevice screen(device);  // 96 dpi
  DrawGraphPage(screen);
  ASSERT_FALSE(device.lines.empty());
  EXPECT_TRUE(device.LinesOfWidth(8).empty());
  EXPECT_TRUE(device.LinesOfWidth(2).empty());
  for (const RecordedLine& line : device.lines) EXPECT_EQ(line.pen.width, 1);
  // Every pen the page selected was put back: the device ends with the pen it started with.
  EXPECT_EQ(device.pen(), (Pen{PenStyle::Solid, 1, kBlack}));

  // At the printer's resolution the converted page is the page itself.
  RecordingDevice direct(600, 600), through(600, 600);
  DrawGraphPage(direct);
  PrintedWidthDevice printed(through);
  DrawGraphPage(printed);
  ASSERT_EQ(through.lines.size(), direct.lines.size());
  for (size_t i = 0; i < direct.lines.size(); ++i) {
    EXPECT_EQ(through.lines[i].pen, direct.lines[i].pen) << i;
    EXPECT_EQ(through.lines[i].x1, direct.lines[i].x1) << i;
  }
  EXPECT_FALSE(direct.LinesOfWidth(8).empty());
}

// The grid's dash and gap lengths are printer pixels too: 30 px dashes (1.27 mm on paper) are 5 px
// on a 96-dpi screen, not 30, and a gap of 0 still means a solid grid line.
TEST_F(PrintedWidthPageTest, GridDashesAreAsLongOnTheScreenAsOnPaper) {
  settings.GridMonochrome = 1;
  settings.GridDashLength = 30;
  settings.GridGapLength = 30;
  settings.GridLineWidth = 3;
  const auto dashLengths = [](const RecordingDevice& d, int width) {
    std::set<int> lengths;
    for (const RecordedLine& l : d.LinesOfWidth(width)) lengths.insert(std::abs(l.x2 - l.x1) + std::abs(l.y2 - l.y1));
    return lengths;
  };
  RecordingDevice paper(600, 600);
  DrawGraphPage(paper);
  EXPECT_EQ(dashLengths(paper, 3), std::set<int>{30});

  PrintedWidthDevice screen(device);  // 96 dpi: a 3-px grid line is 1 px wide
  DrawGraphPage(screen);
  const size_t piecesOnScreen = device.LinesOfWidth(1).size();
  EXPECT_TRUE(dashLengths(device, 1).count(5));
  EXPECT_FALSE(dashLengths(device, 1).count(30));

  // Without gaps the grid is solid: a few long lines instead of thousands of pieces.
  settings.GridGapLength = 0;
  RecordingDevice solid(96, 96);
  PrintedWidthDevice solidScreen(solid);
  DrawGraphPage(solidScreen);
  EXPECT_LT(solid.LinesOfWidth(1).size() * 10, piecesOnScreen);
}

}  // namespace
}  // namespace vek::testing
