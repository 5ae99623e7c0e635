#pragma once
// A small graph of a form on two linear axes, drawn through DrawDevice in widget pixels: the value
// to pixel mapping, the frame, points as circles with crosses, and point labels placed beside the
// point so that they stay inside the plot.
#include <string>
#include <string_view>
#include <vector>

#include "forms/logic/linear_axis.h"
#include "render/draw_device.h"

namespace vek {

// An axis range that must be at least `minimumRange` wide; otherwise the replacement is used and
// `replaced` tells the caller to say so.
struct AxisRange {
  double from = 0.0;
  double to = 0.0;
  bool replaced = false;
};
AxisRange CheckedRange(double from, double to, double minimumRange, double fallbackFrom, double fallbackTo);

constexpr Colour kPlotGrey = 0x808080;
constexpr Colour kPlotBlue = 0xFF0000;  // 0x00BBGGRR
constexpr Colour kPlotGreen = 0x00FF00;
constexpr Colour kPlotRed = 0x0000FF;

class SmallPlot {
 public:
  // The plot fills a width x height area; the axes keep `margin` pixels from its edges, x to the
  // right and y upwards.
  SmallPlot(DrawDevice& device, int width, int height, double xFrom, double xTo, double yFrom, double yTo,
            int margin = 8);

  const LinearAxis& X() const { return x_; }
  const LinearAxis& Y() const { return y_; }

  // The frame around the whole area.
  void Frame();
  // A circle of radius 3 px (pen 2) at the value point, with a diagonal cross of +-3 px (pen 1)
  // when `cross` is set.
  void Point(double x, double y, Colour circle, bool cross, Colour crossColour);
  // One line of CP932 text in a 12 px font, centred in a 160 x 20 box beside the point: right of
  // and above it in general, left of it in the right part of the plot, higher near the bottom.
  void Label(double x, double y, std::string_view text, Colour colour);
  // Lines of CP932 text in a 12 px font, centred in the plot one under the other: what the graph
  // would show and why it cannot.
  void Notice(const std::vector<std::string>& lines, Colour colour);

 private:
  DrawDevice& device_;
  int width_;
  int height_;
  LinearAxis x_;
  LinearAxis y_;
};

}  // namespace vek
