#include "app/sheet_fit.h"

#include <algorithm>
#include <cmath>

#include "core/messages.h"
#include "qt/extent_draw_device.h"
#include "render/page_compose.h"

namespace vek {

namespace {

constexpr double kSlackMm = 0.5;

std::string WholeMm(double mm) { return std::to_string(static_cast<long>(std::lround(mm))); }

}  // namespace

SheetExtent MeasureDrawing(std::pair<int, int> pages, int dpi,
                           const std::function<void(DrawDevice& device, int page)>& draw) {
  SheetExtent extent;
  for (int page = pages.first; page <= pages.second; ++page) {
    ExtentDrawDevice device(dpi, dpi);
    draw(device, page);
    AddPageExtent(extent, device);
  }
  return extent;
}

SheetExtent MeasureSheet(const RecordStore& store, const SheetSettings& settings, ViewState& view,
                         std::pair<int, int> pages, int dpi) {
  NullMessageSink quiet;  // the draw's own messages belong to the real print or export
  return MeasureDrawing(pages, dpi, [&](DrawDevice& device, int page) {
    DrawPrintedPage(device, store, settings, view, quiet, page);
  });
}

void AddPageExtent(SheetExtent& extent, ExtentDrawDevice& device) {
  const double unitsPerMm = device.LogicalDpiX() / 25.4;
  extent.widthMm = std::max(extent.widthMm, device.Right() / unitsPerMm);
  extent.heightMm = std::max(extent.heightMm, device.Bottom() / unitsPerMm);
}

bool SheetFits(const SheetExtent& extent, double widthMm, double heightMm) {
  return extent.widthMm <= widthMm + kSlackMm && extent.heightMm <= heightMm + kSlackMm;
}

double FitScale(const SheetExtent& extent, double widthMm, double heightMm) {
  if (SheetFits(extent, widthMm, heightMm)) return 1.0;
  double scale = 1.0;
  if (extent.widthMm > 0) scale = std::min(scale, widthMm / extent.widthMm);
  if (extent.heightMm > 0) scale = std::min(scale, heightMm / extent.heightMm);
  return scale;
}

std::string DoesNotFitText(const SheetExtent& extent, const std::string& paper, double widthMm, double heightMm) {
  return "the sheet (" + WholeMm(extent.widthMm) + " x " + WholeMm(extent.heightMm) + " mm) does not fit on " +
         paper + " (" + WholeMm(widthMm) + " x " + WholeMm(heightMm) + " mm)";
}

}  // namespace vek
