#pragma once
// Whether the pages of a sheet fit on a paper, and the scale that brings them onto it. The sheets
// are laid out in millimetres from the top-left corner of the printable area; on a smaller paper
// (B5, Letter, landscape) their right or bottom part would be cut off without a word.
#include <functional>
#include <string>
#include <utility>

namespace vek {

class DrawDevice;
struct RecordStore;
struct SheetSettings;
struct ViewState;

// How far the drawing of a page reaches, in mm from the top-left corner of the printable area.
struct SheetExtent {
  double widthMm = 0;
  double heightMm = 0;
};

// The largest extent of pages first ... last of the store's current sheet (everything drawn:
// rules, text, curves), measured at the resolution the pages will be drawn at (`dpi`), so that
// text is measured in the fonts the drawing will use. The view's current page is left as it was.
SheetExtent MeasureSheet(const RecordStore& store, const SheetSettings& settings, ViewState& view,
                         std::pair<int, int> pages, int dpi);

// The largest extent of pages first ... last drawn by `draw` on a measuring device at `dpi`.
SheetExtent MeasureDrawing(std::pair<int, int> pages, int dpi,
                           const std::function<void(DrawDevice& device, int page)>& draw);
class ExtentDrawDevice;

// Widens `extent` to what a page measured on `device` reaches.
void AddPageExtent(SheetExtent& extent, ExtentDrawDevice& device);

// True when the extent lies inside an area of `widthMm` x `heightMm` (half a millimetre of slack
// for the rounding of text extents).
bool SheetFits(const SheetExtent& extent, double widthMm, double heightMm);

// The factor that scales the extent onto the area (1 when it fits already).
double FitScale(const SheetExtent& extent, double widthMm, double heightMm);

// "the sheet (W x H mm) does not fit on PAPER (W x H mm)" with sizes rounded to whole mm.
std::string DoesNotFitText(const SheetExtent& extent, const std::string& paper, double widthMm, double heightMm);

}  // namespace vek
