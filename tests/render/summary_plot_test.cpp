// The site summary page: its scales, its series per boring, and what lands on the page.
#include "render/summary_plot.h"

#include <gtest/gtest.h>

#include "render/canvas_fixture.h"

namespace vek {
namespace {

TEST(NiceAxisTest, TopIsTheFirstNiceMultipleAtOrAboveTheLargestValue) {
  struct Case {
    double largest, top, step;
  };
  const Case cases[] = {{9.50256, 10, 2},  {1821.8, 2000, 500}, {30.0, 30, 5},  {0.37, 0.4, 0.1},
                        {151.7, 200, 50}, {6.0, 6, 1},         {6.01, 8, 2},   {0.0, 1, 0.2},
                        {-3.0, 1, 0.2}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.largest);
    const NiceAxis a = MakeNiceAxis(c.largest);
    EXPECT_NEAR(a.top, c.top, 1e-9);
    EXPECT_NEAR(a.step, c.step, 1e-12);
    EXPECT_LE(a.top / a.step, 6.0 + 1e-9);
  }
}

SummaryRow Row(const char* boring, double depth, const char* e, bool withDepth = true) {
  SummaryRow r;
  r.boringNo = boring;
  r.hasDepth = withDepth;
  r.depthBelowGround = depth;
  r.e = e;
  r.py = "300";
  r.pl = "900";
  return r;
}

TEST(SummarySeriesTest, OneSeriesPerBoringWithTheUsablePoints) {
  const std::vector<SummaryRow> rows = {Row("B-1", 2.0, "5.5"), Row("B-1", 4.0, ""), Row("B-2", 3.0, "8"),
                                        Row("B-1", 6.0, "7", false), Row("B-1", 8.0, "12")};
  const auto series = SeriesOf(rows, &SummaryRow::e);
  ASSERT_EQ(series.size(), 2u);
  EXPECT_EQ(series[0].boring, "B-1");
  EXPECT_EQ(series[0].points, (std::vector<std::pair<double, double>>{{2.0, 5.5}, {8.0, 12.0}}));
  EXPECT_EQ(series[1].points, (std::vector<std::pair<double, double>>{{3.0, 8.0}}));
}

class SummaryPageTest : public testing::CanvasTest {};

TEST_F(SummaryPageTest, ThreePanelsALegendEntryPerBoringAndAMarkerPerPoint) {
  const std::vector<SummaryRow> rows = {Row("B-1", 2.0, "5.5"), Row("B-1", 8.0, "12"), Row("B-2", 3.0, "8"),
                                        Row("B-3", 5.0, "")};
  PrepareDraw(canvas);
  DrawSummaryPage(canvas, rows, Sjis("一覧"));
  EXPECT_TRUE(sink.shown.empty());
  OnlyText("一覧");
  for (const char* axis : {"E (MN/㎡)", "Py (kN/㎡)", "Pl (kN/㎡)", "深度 GL-(m)", "B-1", "B-2", "B-3"})
    OnlyText(axis);
  // The depth axis reads upwards and is labelled once, beside the first panel: 0 ... 8 m by 2 m.
  EXPECT_EQ(OnlyText("深度 GL-(m)").font.escapement, 900);
  std::string depthLabels;
  for (const auto& t : device.texts)
    if (t.align.horizontal == HAlign::Right) depthLabels += t.text + " ";
  EXPECT_EQ(depthLabels, "0 2 4 6 8 ");
  // B-1 has circles (two points in each of three panels, one in the legend); B-2 squares.
  EXPECT_EQ(device.ellipses.size(), 2u * 3u + 1u);
}

}  // namespace
}  // namespace vek
