// The site summary page: its scales, its series per boring, and what lands on the page.
#include "render/summary_plot.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cfloat>
#include <cmath>
#include <cstdio>

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

TEST(NiceAxisTest, AnyDoubleGivesAFiniteAxisOfAtMostSixDivisions) {
  for (double largest : std::initializer_list<double>{DBL_MAX, 1.7e308, 1.5e308, 1e308, 9e307, 1e300, 1e-300, 1e-307, DBL_MIN, 4.9e-324,
                         DBL_TRUE_MIN * 7, HUGE_VAL, -HUGE_VAL, double(NAN)}) {
    SCOPED_TRACE(largest);
    const NiceAxis a = MakeNiceAxis(largest);
    EXPECT_TRUE(std::isfinite(a.top) && std::isfinite(a.step) && a.step > 0.0);
    EXPECT_GE(a.divisions, 1);
    EXPECT_LE(a.divisions, 6);
    EXPECT_NEAR(a.step / a.top * a.divisions, 1.0, 1e-12);
    if (std::isfinite(largest) && largest >= 1e-300) {
      EXPECT_GE(a.top, largest);
    }
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

TEST_F(SummaryPageTest, ExtremeValuesAreDrawnOnFiniteAxesWithinATimeLimit) {
  // A value near the largest double once made the value axis infinite, and the tick loop never
  // ended; one near the smallest double made it NaN. The page is drawn in a child process that an
  // alarm ends after 20 s, so a hang fails the test instead of stalling the suite.
  std::vector<SummaryRow> rows = {Row("B-1", 2.0, "1.7e308"), Row("B-1", 1.6e308, "4.9e-324"),
                                  Row("B-2", 4.9e-324, "-1e308"), Row("B-3", 5.0, "1e-310")};
  rows[0].py = "1.79769e308";
  rows[1].pl = "1e-320";
  EXPECT_EXIT(
      {
        alarm(20);
        PrepareDraw(canvas);
        DrawSummaryPage(canvas, rows, Sjis("一覧"));
        // At most seven ticks a panel: a few dozen texts, and the dashes of a few dozen grid lines.
        std::fprintf(stderr, "texts %zu lines %zu\n", device.texts.size(), device.lines.size());
        std::_Exit(device.texts.size() < 100 && device.lines.size() < 20000 ? 0 : 3);
      },
      ::testing::ExitedWithCode(0), "");
}

}  // namespace
}  // namespace vek
