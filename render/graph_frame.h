#pragma once
// What the calibration graph and the test result graph share: the 150 x 160 mm plot frame, the
// dashed grid in the grid colour, and the unit texts of the length axes.
#include <string>

#include "render/page_placement.h"

namespace vek {

// Plot frame in block millimetres.
constexpr double kPlotLeft = 16.0;
constexpr double kPlotRight = 166.0;
constexpr double kPlotTop = 5.0;
constexpr double kPlotBottom = 165.0;
constexpr double kGridPitch = 10.0;

// Four solid black lines around the plot, FrameLineWidth.
void DrawPlotFrame(SheetCanvas& c);

// Grid colour of the settings; black in monochrome mode.
Colour GridColour(const SheetSettings& s);

// One grid line with the settings' dash, gap, width and grid colour.
void DrawGridLineMm(SheetCanvas& c, double x1, double y1, double x2, double y2);

// "（cm）" or "（m）" (CP932) by LengthUnit.
std::string LengthUnitInParentheses(const SheetSettings& s);

// True when lengths are shown in metres.
bool LengthInMetres(const SheetSettings& s);

}  // namespace vek
