#pragma once
// The one-row results table of the test graph page (Po, Py, Pl, K, E, rm) and the six lines of the
// calculation-process text. Block millimetres.
#include <string_view>

#include "render/page_placement.h"

namespace vek {

// Drawn with block offset 0 right after the heading block, heading font current; h is the heading
// font height in mm (places the raised unit).
void DrawResultsTable(SheetCanvas& c, double h);

// Base text, then the raised text 0.8 mm higher, then the tail, each continuing where the previous
// ended. Starts at (x, y) mm, or at the device's current position when both are below -9999.
void DrawRaisedUnit(SheetCanvas& c, double x, double y, std::string_view base,
                    std::string_view raised, std::string_view tail);

// The six formula lines (test header fields 51 ... 56) with the current font, left/top, evenly
// between y_top and y_bottom at x.
void DrawFormulaLines(SheetCanvas& c, double x, double y_top, double y_bottom);

}  // namespace vek
