#include "forms/logic/linear_axis.h"

#include <cmath>

namespace vek {

int LinearAxis::Pixel(double value) const {
  if (to - from < 0.01) return 0;
  const double p = pixelFrom + (value - from) / (to - from) * (pixelTo - pixelFrom);
  if (!(p >= -999999.9 && p <= 99999.9)) return 0;
  return static_cast<int>(std::lround(p));
}

}  // namespace vek
