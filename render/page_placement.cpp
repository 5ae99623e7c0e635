#include "render/page_placement.h"

#include <cmath>

#include "core/sheet_settings.h"

namespace vek {

void PagePlacement::SetResolution(int dpi_x, int dpi_y) {
  dpiX = dpi_x;
  dpiY = dpi_y;
  pxPerMmX = dpi_x * kMmPerInchInverse;
  pxPerMmY = dpi_y * kMmPerInchInverse;
}

int ClampToDevice(double device_units) {
  if (std::isnan(device_units)) return 0;
  const double t = std::trunc(device_units);
  if (t > kDeviceCoordinateLimit) return kDeviceCoordinateLimit;
  if (t < -kDeviceCoordinateLimit) return -kDeviceCoordinateLimit;
  return static_cast<int>(t);
}

int MmToDeviceX(const PagePlacement& p, double x) {
  return ClampToDevice(p.leftMargin * p.pxPerMmX + x * p.pxPerMmX);
}

int MmToDeviceY(const PagePlacement& p, double y) {
  return ClampToDevice((p.blockOffset + y) * p.pxPerMmY + p.topMargin * p.pxPerMmY);
}

void UseMargins(SheetCanvas& canvas, MarginKind kind) {
  const SheetSettings& s = canvas.settings;
  switch (kind) {
    case MarginKind::Graph:
      canvas.placement.leftMargin = s.GraphLeftMargin;
      canvas.placement.topMargin = s.GraphTopMargin;
      break;
    case MarginKind::Formula:
      canvas.placement.leftMargin = s.FormulaLeftMargin;
      canvas.placement.topMargin = s.FormulaTopMargin;
      break;
    case MarginKind::Table:
      canvas.placement.leftMargin = s.TableLeftMargin;
      canvas.placement.topMargin = s.TableTopMargin;
      break;
  }
}

void PrepareDraw(SheetCanvas& canvas) {
  canvas.placement.SetResolution(canvas.device.LogicalDpiX(), canvas.device.LogicalDpiY());
  UseMargins(canvas, MarginKind::Graph);
  canvas.placement.blockOffset = 0.0;
  canvas.device.BeginDraw();
}

}  // namespace vek
