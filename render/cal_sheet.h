#pragma once
// The two blocks particular to the calibration sheet: the calibration graph (H against P with the
// measured points and the polyline or the fitted curve) and the calibration table. Both draw the
// calibration record's own table, never the copy held by the test record.
#include "render/page_placement.h"

namespace vek {

// Fixed scales of the calibration graph: P 0 ... 300 kN/m² over x 16 ... 166 mm, H 80 ... 0 cm over
// y 5 ... 165 mm. Values beyond the scales map outside the frame.
double CalGraphX(double p);
double CalGraphY(double h);

// Drawn with the graph font current (role 3) and block offset 46 mm; h is that font's height in mm.
// Leaves alignment at left/top.
void DrawCalGraph(SheetCanvas& c, double h);

// Drawn with the table font current (role 2); h is its height in mm (positions do not use it).
// Leaves alignment at left/top.
void DrawCalTable(SheetCanvas& c, double h);

}  // namespace vek
