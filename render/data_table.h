#pragma once
// The measurement table of the test sheet (40 steps per page in groups of five) and the geometry,
// frame and captions the calibration table shares with it. Block millimetres; the table is drawn
// with block offset 44 mm and the table font current.
#include <array>

#include "render/page_placement.h"

namespace vek {

struct Record;

constexpr double kTableTop = 5.0;
constexpr double kTableCaptionSplit = 12.5;
constexpr double kTableHeaderBottom = 20.0;
constexpr double kTableBottom = 190.0;
constexpr double kTableRowPitch = (190.0 - 20.0) / 44.5;
constexpr int kTableRowsPerPage = 40;

// Column borders x[0 ... 14]; table column i spans x[i] ... x[i + 1] (1 number column, 2 ... 13 the
// twelve data columns in TestRows order).
struct TableLayout {
  std::array<double, 15> x{};
  bool numbers = false;
  bool show120 = true;
  double Left() const { return numbers ? x[1] : x[2]; }
  double Right() const { return x[14]; }
  int FirstColumn() const { return numbers ? 1 : 2; }
};

TableLayout ChooseTableLayout(bool numbers, bool show120);

// y (bottom) of rows 1 ... 40 of a page, with the half-row gap before each group of five; index 0
// is the header bottom.
const std::array<double, kTableRowsPerPage + 1>& TableRowBottoms();

// Frame, inner lines, the SI factor note and both caption rows. Column 7's lower caption (" 120”")
// is drawn only when with_120_caption is set. Leaves alignment at left/top.
void DrawTableFrameAndCaptions(SheetCanvas& c, const TableLayout& layout, bool with_120_caption);

// Row number "%3d" right-aligned 1.5 mm right of the number column (alignment right/bottom set by
// the caller), at the row's y - 0.5.
void DrawTableRowNumber(SheetCanvas& c, const TableLayout& layout, double row_y, int number);

// h: table font height in mm (not used for positions). table_page_index counts from 1.
void DrawTestDataTable(SheetCanvas& c, double h, int table_page_index);

}  // namespace vek
