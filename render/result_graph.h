#pragma once
// The test result graph: Pe against borehole radius r, one ringed point per pressure step, the
// creep difference dH of each step as a cross on a second horizontal scale, the Po/Py'/Pl' marks
// and the two optional analysis lines. Block millimetres; the page composition places it 63 mm
// below the graph-page top margin.
#include <optional>
#include <string>
#include <vector>

#include "render/page_placement.h"

namespace vek {

struct Record;

// The three scales of the graph, read from the test header and the settings.
struct TestGraphScales {
  double rLow = 0.0;   // r (cm) at the left frame edge; the right edge is rLow + 3 cm
  double rHigh = 3.0;
  double peLow = 0.0;  // Pe (kN/m²) at the bottom frame edge (header field 40)
  double peHigh = 0.0; // Pe at the top frame edge (header field 41)

  double XOfR(double r) const;
  double XOfDh(double dh) const;  // 0 ... 15 cm over the frame width
  double YOfPe(double pe) const;
};

// Origin of the r scale: header field 17 (probe radius), or the default probe radius of the
// settings when the field is below 0.1 cm.
double RScaleOrigin(const Record& test, const SheetSettings& s);
TestGraphScales MakeTestGraphScales(const Record& test, const SheetSettings& s);

struct PeScaleLabel {
  double value = 0.0;
  std::string text;
};
// Labels of the Pe axis from field 40 in steps of field 42 up to field 41, with as many decimals
// as fields 40 and 42 are typed with (at most 6). None when the maximum is below the minimum; at
// most 101 labels, so a step of 0 or below cannot run away.
std::vector<PeScaleLabel> PeScaleLabels(const Record& test);

// Which analysis line: on the pressure-radius points or on the creep points.
enum class AnalysisLineKind { Radius, Creep };

struct LineMm {
  double x1 = 0.0, y1 = 0.0, x2 = 0.0, y2 = 0.0;
};

// Line through the points (u0, p0) and (u1, p1) of one horizontal quantity (r or dH) against Pe.
// mode 0: none; 1: the segment between the two points; 2: the segment extended a little behind the
// first point and up to about 10 mm above the second one (never starting more than 10 mm below the
// frame, never running far above it).
std::optional<LineMm> AnalysisLineGeometry(const TestGraphScales& scales, AnalysisLineKind kind,
                                           int mode, double u0, double p0, double u1, double p1);

// Draws the whole graph. Expects the graph font (role 3) current; h is its height in mm. With the
// formula position "in the graph" it ends by drawing the six formula lines in the result font into
// the corner left free of grid lines. Leaves alignment at left/top.
void DrawTestGraph(SheetCanvas& c, double h);

}  // namespace vek
