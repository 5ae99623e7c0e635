#pragma once
// A linear axis of a small graph: values on [from, to] mapped onto the pixels [pixelFrom, pixelTo]
// (pixelTo may lie below pixelFrom, as for an upward y axis in device pixels).

namespace vek {

struct LinearAxis {
  double from = 0, to = 1;
  int pixelFrom = 0, pixelTo = 0;

  // pixelFrom + (v - from) / (to - from) x (pixelTo - pixelFrom), rounded; 0 when the range is
  // narrower than 0.01 or the pixel falls outside -999999.9 ... 99999.9 (nothing to draw sensibly).
  int Pixel(double value) const;
};

}  // namespace vek
