#include "render/printed_width_device.h"

#include <algorithm>
#include <cmath>

namespace vek {

int PrintedWidthOnDevice(int printerPx, int deviceDpi) {
  if (printerPx <= 0) return printerPx;
  const double devicePx = static_cast<double>(printerPx) * deviceDpi / kPrinterDpi;
  return std::max(1, static_cast<int>(std::lround(devicePx)));
}

int PrintedWidthDevice::PrintedLength(int printerPx) const {
  return PrintedWidthOnDevice(printerPx, target_.LogicalDpiX());
}

Pen PrintedWidthDevice::SelectPen(const Pen& pen) {
  const Pen previous = pen_;
  pen_ = pen;
  Pen converted = pen;
  converted.width = PrintedWidthOnDevice(pen.width, target_.LogicalDpiX());
  target_.SelectPen(converted);
  return previous;
}

}  // namespace vek
