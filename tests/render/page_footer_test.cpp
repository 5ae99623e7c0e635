// Page-number texts and the two horizontal and two vertical placement modes of the footer.
#include <gtest/gtest.h>

#include "core/header_fields.h"
#include "render/page_footer.h"
#include "render/primitives.h"
#include "canvas_fixture.h"

namespace vek::testing {
namespace {

class FooterTest : public CanvasTest {
 protected:
  FooterTest() {
    Record& t = store.test;
    t.Header(hf::TableFooterPrefix) = "(";
    t.Header(hf::TableFooterPage) = "1";
    t.Header(hf::TableFooterSuffix) = ")";
    t.Header(hf::GraphFooterPrefix) = "-";
    t.Header(hf::GraphFooterPage) = "1";
    t.Header(hf::GraphFooterSuffix) = "-";
    t.Header(hf::FooterLeftMargin) = "30";
    t.Header(hf::FooterTopMargin) = "280";
    settings.fonts[5].size = 9.0;
    canvas.placement.leftMargin = 15;
    canvas.placement.topMargin = 20;
    canvas.placement.blockOffset = 44;
  }
};

TEST_F(FooterTest, PageNumberCountsOnFromTheStartPage) {
  const Record& t = store.test;
  EXPECT_EQ(FooterText(t, FooterKind::Table, 1), "(1)");
  EXPECT_EQ(FooterText(t, FooterKind::Table, 3), "(3)");
  EXPECT_EQ(FooterText(t, FooterKind::Graph, 1), "-1-");
  EXPECT_EQ(FooterText(t, FooterKind::None, 1), "");
  store.test.Header(hf::TableFooterPage) = "3";
  EXPECT_EQ(FooterText(t, FooterKind::Table, 2), "(4)");
  store.test.Header(hf::TableFooterPage) = Sjis("ー");  // not a number: printed as typed
  EXPECT_EQ(FooterText(t, FooterKind::Table, 2), "(" + Sjis("ー") + ")");
  store.test.Header(hf::TableFooterPage) = "";
  EXPECT_EQ(FooterText(t, FooterKind::Table, 2), "()");
  store.test.Header(hf::TableFooterPage) = "99999999999999999999";  // clamped, no overflow
  EXPECT_EQ(FooterText(t, FooterKind::Table, 2), "(2147483648)");
}

TEST_F(FooterTest, FromPaperEdgesIgnoresMarginsAndBlockOffset) {
  DrawPageFooter(canvas, SheetKind::Test, FooterKind::Table, 2, 190);
  const RecordedText t = OnlyText("(2)");
  const double ppm = canvas.placement.pxPerMmX;
  EXPECT_EQ(t.x, static_cast<int>(30 * ppm));
  EXPECT_EQ(t.y, static_cast<int>(280 * ppm));
  EXPECT_EQ(t.align, (TextAlign{HAlign::Left, VAlign::Top, false}));
  EXPECT_EQ(t.font.height, 12);  // role font 6, 9 pt
  // Placement and alignment come back as they were.
  EXPECT_DOUBLE_EQ(canvas.placement.leftMargin, 15);
  EXPECT_DOUBLE_EQ(canvas.placement.topMargin, 20);
  EXPECT_DOUBLE_EQ(canvas.placement.blockOffset, 44);
  EXPECT_EQ(device.align(), (TextAlign{HAlign::Left, VAlign::Top, false}));
}

TEST_F(FooterTest, CentredAndBelowTheCompanyName) {
  Record& r = store.test;
  r.Header(hf::FooterHorizontalMode) = "1";
  r.Header(hf::FooterCentreOffset) = "105";
  r.Header(hf::FooterVerticalMode) = "1";
  r.Header(hf::FooterNameOffset) = "8.5";
  DrawPageFooter(canvas, SheetKind::Test, FooterKind::Graph, 1, 200);
  const RecordedText t = OnlyText("-1-");
  const double ppm = canvas.placement.pxPerMmX;
  EXPECT_EQ(t.align.horizontal, HAlign::Centre);
  EXPECT_EQ(t.x, static_cast<int>(105 * ppm));
  // Keeps the top margin and the block offset: follows the name wherever the caller put it.
  EXPECT_EQ(t.y, static_cast<int>((44 + 208.5) * ppm + 20 * ppm));
  EXPECT_EQ(device.align(), (TextAlign{HAlign::Left, VAlign::Top, false}));
  EXPECT_DOUBLE_EQ(canvas.placement.topMargin, 20);
}

TEST_F(FooterTest, CalibrationSheetReadsTheCalibrationRecord) {
  store.calibration.Header(hf::GraphFooterPage) = "7";
  DrawPageFooter(canvas, SheetKind::Calibration, FooterKind::Graph, 1, 0);
  ASSERT_EQ(device.texts.size(), 1u);
  EXPECT_EQ(device.texts[0].text, "7");
}

TEST_F(FooterTest, EmptyTextOrNoFooterDrawsNothing) {
  DrawPageFooter(canvas, SheetKind::Test, FooterKind::None, 1, 0);
  DrawPageFooter(canvas, SheetKind::Calibration, FooterKind::Table, 1, 0);  // all fields empty
  EXPECT_TRUE(device.texts.empty());
  EXPECT_DOUBLE_EQ(canvas.placement.leftMargin, 15);
}

}  // namespace
}  // namespace vek::testing
