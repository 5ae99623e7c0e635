#include "render/graph_frame.h"

#include "core/encoding.h"
#include "core/sheet_settings.h"
#include "render/primitives.h"
#include "render/sheet_texts.h"

namespace vek {

void DrawPlotFrame(SheetCanvas& c) {
  const int w = c.settings.FrameLineWidth;
  DrawLineMm(c, kPlotLeft, kPlotTop, kPlotRight, kPlotTop, PenStyle::Solid, w, kBlack);
  DrawLineMm(c, kPlotLeft, kPlotBottom, kPlotRight, kPlotBottom, PenStyle::Solid, w, kBlack);
  DrawLineMm(c, kPlotLeft, kPlotTop, kPlotLeft, kPlotBottom, PenStyle::Solid, w, kBlack);
  DrawLineMm(c, kPlotRight, kPlotTop, kPlotRight, kPlotBottom, PenStyle::Solid, w, kBlack);
}

Colour GridColour(const SheetSettings& s) {
  if (s.GridMonochrome == 1) return kBlack;
  return ParseColourText(s.GridColour);
}

void DrawGridLineMm(SheetCanvas& c, double x1, double y1, double x2, double y2) {
  const SheetSettings& s = c.settings;
  DrawDashedLineMm(c, x1, y1, x2, y2, s.GridDashLength, s.GridGapLength, s.GridLineWidth,
                   GridColour(s));
}

std::string LengthUnitInParentheses(const SheetSettings& s) {
  static const std::string cm = Sjis("（cm）");
  static const std::string m = Sjis("（m）");
  return IsMetreUnit(s) ? m : cm;
}

}  // namespace vek
