#include "app/raster_limit.h"

#include <cmath>

namespace vek {

namespace {

long long Pixels(double mm, int dpi) { return std::llround(mm * dpi / 25.4); }

}  // namespace

int LargestDpiWithinLimit(double widthMm, double heightMm) {
  const double squareInches = widthMm * heightMm / (25.4 * 25.4);
  int dpi = squareInches > 0.0 ? static_cast<int>(std::sqrt(kMaxExportPixels / squareInches)) : 0;
  // Rounding of each side to whole pixels may add a little: step down until it fits.
  while (dpi > 1 && static_cast<double>(Pixels(widthMm, dpi) * Pixels(heightMm, dpi)) > kMaxExportPixels) --dpi;
  return dpi;
}

std::optional<std::string> RasterTooLarge(double widthMm, double heightMm, int dpi) {
  const long long w = Pixels(widthMm, dpi), h = Pixels(heightMm, dpi);
  if (static_cast<double>(w * h) <= kMaxExportPixels) return std::nullopt;
  return "a page of " + std::to_string(w) + " x " + std::to_string(h) + " pixels at " + std::to_string(dpi) +
         " dpi is more than the " + std::to_string(static_cast<long long>(kMaxExportPixels / 1e6)) +
         " million pixels a PNG export may hold (about 4 bytes each in memory); use --dpi " +
         std::to_string(LargestDpiWithinLimit(widthMm, heightMm)) + " or less";
}

}  // namespace vek
