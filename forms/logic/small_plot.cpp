#include "forms/logic/small_plot.h"

#include <cmath>

#include "core/encoding.h"
#include "render/primitives.h"

namespace vek {

AxisRange CheckedRange(double from, double to, double minimumRange, double fallbackFrom, double fallbackTo) {
  if (to - from < minimumRange || !std::isfinite(to - from)) return {fallbackFrom, fallbackTo, true};
  return {from, to, false};
}

SmallPlot::SmallPlot(DrawDevice& device, int width, int height, double xFrom, double xTo, double yFrom,
                     double yTo, int margin)
    : device_(device),
      width_(width),
      height_(height),
      x_{xFrom, xTo, margin, width - 1 - margin},
      y_{yFrom, yTo, height - 1 - margin, margin} {}

void SmallPlot::Frame() {
  const int r = width_ - 1;
  const int b = height_ - 1;
  DrawLine(device_, 0, 0, r, 0, PenStyle::Solid, 1, kBlack);
  DrawLine(device_, r, 0, r, b, PenStyle::Solid, 1, kBlack);
  DrawLine(device_, r, b, 0, b, PenStyle::Solid, 1, kBlack);
  DrawLine(device_, 0, b, 0, 0, PenStyle::Solid, 1, kBlack);
}

void SmallPlot::Point(double x, double y, Colour circle, bool cross, Colour crossColour) {
  const int px = x_.Pixel(x);
  const int py = y_.Pixel(y);
  DrawCircle(device_, px, py, 3, PenStyle::Solid, 2, circle);
  if (!cross) return;
  DrawLine(device_, px - 3, py - 3, px + 3, py + 3, PenStyle::Solid, 1, crossColour);
  DrawLine(device_, px - 3, py + 3, px + 3, py - 3, PenStyle::Solid, 1, crossColour);
}

namespace {

void SelectLabelFont(DrawDevice& device) {
  FontSpec font;
  font.height = 12;
  font.face = Sjis("ＭＳ ゴシック");
  device.SelectFont(font);
}

constexpr int kNoticeLineHeight = 18;

}  // namespace

void SmallPlot::Notice(const std::vector<std::string>& lines, Colour colour) {
  if (lines.empty()) return;
  device_.SaveFont();
  SelectLabelFont(device_);
  device_.SetTextColour(colour);
  int top = (height_ - kNoticeLineHeight * static_cast<int>(lines.size())) / 2;
  for (const std::string& line : lines) {
    device_.TextInRect(0, top, width_, top + kNoticeLineHeight, line);
    top += kNoticeLineHeight;
  }
  device_.RestoreFont();
}

void SmallPlot::Label(double x, double y, std::string_view text, Colour colour) {
  const int px = x_.Pixel(x);
  // Distances measured upwards from the bottom of the y axis.
  const int up = y_.pixelFrom - y_.Pixel(y);
  const int axisHeight = y_.pixelFrom - y_.pixelTo;
  int dx = 4;
  int dy = -2;
  if (px > 0.6 * (x_.pixelFrom + x_.pixelTo)) {
    dx = -120;
    dy = 6;
  } else if (up < 0.1 * axisHeight) {
    dy = 8;
  } else if (up < 0.2 * axisHeight) {
    dy = 3;
  }
  // The box's lower-left corner lies dx, dy from the point (dy upwards).
  const int left = px + dx;
  const int bottom = y_.Pixel(y) - dy;
  device_.SaveFont();
  SelectLabelFont(device_);
  device_.SetTextColour(colour);
  device_.TextInRect(left, bottom - 20, left + 160, bottom, text);
  device_.RestoreFont();
}

}  // namespace vek
