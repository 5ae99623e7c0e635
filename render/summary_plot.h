#pragma once
// The page of the site summary: the deformation modulus E, the yield pressure Py and the limit
// pressure Pl of every test against its depth, one panel each, one series (marker, colour, line)
// per boring, drawn with the sheets' role fonts for a report appendix.
#include <string>
#include <vector>

#include "core/site_summary.h"
#include "render/page_placement.h"

namespace vek {

// An axis from 0 to `top` in steps of `step`, with `top` a multiple of `step` at or above the
// largest value. Steps are 1, 2 or 5 times a power of ten and give at most six divisions.
struct NiceAxis {
  double top = 1.0;
  double step = 0.2;
};
NiceAxis MakeNiceAxis(double largest);

// One boring's points of one quantity, by depth: (depth below ground, value).
struct SummarySeries {
  TextField boring;
  std::vector<std::pair<double, double>> points;
};

// The series of one quantity (a member of SummaryRow holding its text): rows without a depth or a
// number are left out; borings appear in the order of `rows` (sort them first).
std::vector<SummarySeries> SeriesOf(const std::vector<SummaryRow>& rows, TextField SummaryRow::*quantity);

// Where the three panels and the legend lie, in mm below the page's top margin (12 mm). The
// defaults fill the page under the title; a report puts the summary table above a shorter plot.
struct SummaryPlotArea {
  double panelTop = 42.0;
  double panelBottom = 232.0;
  double legendTop = 245.0;
};

// Draws the three panels and the legend of `rows` on a prepared canvas (PrepareDraw done), with the
// page's margins (15 mm left, 12 mm top).
void DrawSummaryPlot(SheetCanvas& c, const std::vector<SummaryRow>& rows, const SummaryPlotArea& area);

// Draws the whole page on a prepared canvas (PrepareDraw done). `title` goes at the top (CP932).
void DrawSummaryPage(SheetCanvas& c, const std::vector<SummaryRow>& rows, const TextField& title);

// The page margins of the summary page: 15 mm left, 12 mm top, block offset 0.
void UseSummaryMargins(SheetCanvas& c);

}  // namespace vek
