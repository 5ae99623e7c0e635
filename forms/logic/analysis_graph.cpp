#include "forms/logic/analysis_graph.h"

#include <cstdlib>

#include "core/encoding.h"
#include "core/header_fields.h"

namespace vek {

namespace {

constexpr int kMargin = 8;          // pixels between the frame and the ends of the axes
constexpr int kPointRadius = 3;
constexpr int kLabelWidth = 160, kLabelHeight = 20, kLabelFont = 12;
constexpr int kHitRadius = 6;
constexpr Colour kGrey = 0x808080, kWhite = 0xFFFFFF;

struct Point {
  int x = 0, y = 0;  // graph coordinates, y upwards
};

Point StepPoint(const AnalysisGraphView& view, const GraphGeometry& g, int row) {
  const double r = std::atof(view.store->test.Test(row, tf::R).c_str());
  const double pe = std::atof(view.store->test.Test(row, tf::Pe).c_str());
  return {g.r.Pixel(r), g.pe.Pixel(pe)};
}

void Line(DrawDevice& device, int height, int x1, int y1, int x2, int y2) {
  device.MoveTo(x1, height - y1);
  device.LineTo(x2, height - y2);
}

// One step: circle, cross and label. `mark` colours the circle, `crossColour` the cross and
// `labelColour` the label.
void DrawStep(DrawDevice& device, const AnalysisGraphView& view, const GraphGeometry& g, int row, Colour mark,
              Colour crossColour, Colour labelColour) {
  const Point p = StepPoint(view, g, row);
  const int dy = g.height - p.y;
  device.SelectPen({PenStyle::Solid, 2, mark});
  device.Ellipse(p.x - kPointRadius, dy - kPointRadius, p.x + kPointRadius, dy + kPointRadius);
  device.SelectPen({PenStyle::Solid, 1, crossColour});
  Line(device, g.height, p.x - kPointRadius, p.y - kPointRadius, p.x + kPointRadius, p.y + kPointRadius);
  Line(device, g.height, p.x - kPointRadius, p.y + kPointRadius, p.x + kPointRadius, p.y - kPointRadius);
  const LabelOffset o = StepLabelOffset(g, p.x, p.y);
  const int left = p.x + o.dx, bottom = p.y + o.dy;
  device.SetTextColour(labelColour);
  device.TextInRect(left, g.height - (bottom + kLabelHeight), left + kLabelWidth, g.height - bottom,
                    StepLabel(*view.store, row));
}

}  // namespace

GraphGeometry MakeGraphGeometry(const AnalysisGraphView& view, int width, int height) {
  GraphGeometry g;
  g.r = {view.rFrom, view.rTo, kMargin, width - kMargin};
  g.pe = {view.peFrom, view.peTo, kMargin, height - kMargin};
  g.height = height;
  return g;
}

Colour StepTypeColour(int type) {
  switch (type) {
    case 1: return 0x00FF00;  // green
    case 2: return 0xFF0000;  // blue (0x00BBGGRR)
    case 3: return 0x0000FF;  // red
    default: return kGrey;
  }
}

LabelOffset StepLabelOffset(const GraphGeometry& g, int x, int y) {
  if (x > 0.6 * (g.r.pixelFrom + g.r.pixelTo)) return {-120, 6};
  const int top = g.pe.pixelTo;
  if (y < 0.1 * top) return {4, 8};
  if (y < 0.2 * top) return {4, 3};
  return {4, -2};
}

std::string StepLabel(const RecordStore& store, int row) {
  const Record& t = store.test;
  return t.Test(row, tf::Pressure) + " (" + t.Test(row, tf::Reading15) + ", " + t.Test(row, tf::Reading30) + ", " +
         t.Test(row, tf::Reading60) + ")";
}

void DrawAnalysisGraph(DrawDevice& device, const AnalysisGraphView& view, int width, int height) {
  device.BeginDraw();
  const GraphGeometry g = MakeGraphGeometry(view, width, height);
  const Pen old = device.SelectPen({PenStyle::Solid, 1, kBlack});
  // The frame around the plotting area.
  const int l = g.r.pixelFrom, r = g.r.pixelTo, b = g.pe.pixelFrom, t = g.pe.pixelTo;
  Line(device, height, l, b, r, b);
  Line(device, height, r, b, r, t);
  Line(device, height, r, t, l, t);
  Line(device, height, l, t, l, b);
  if (view.store) {
    device.SaveFont();
    device.SelectFont({kLabelFont, 0, Sjis("ＭＳ ゴシック")});
    device.SetTextAlign({});
    const int shown[] = {view.shown.po, view.shown.py, view.shown.pl};
    for (int row = 1; row <= view.analysable; ++row) {
      int type = 0;
      for (int k = 0; k < 3; ++k) {
        if (shown[k] == row) type = k + 1;
      }
      // Labels are white: on the white ground only the cursor step's label stands out.
      DrawStep(device, view, g, row, StepTypeColour(type), type ? StepTypeColour(type) : kBlack, kWhite);
    }
    if (view.cursor >= 1 && view.cursor <= view.analysable) {
      const Colour c = StepTypeColour(view.currentType);
      DrawStep(device, view, g, view.cursor, c, c, c);
    }
    device.RestoreFont();
  }
  device.SelectPen(old);
}

int AnalysisGraphRowAt(const AnalysisGraphView& view, int width, int height, int x, int y) {
  if (!view.store) return 0;
  const GraphGeometry g = MakeGraphGeometry(view, width, height);
  int best = 0, bestDistance = kHitRadius * kHitRadius + 1;
  for (int row = 1; row <= view.analysable; ++row) {
    const Point p = StepPoint(view, g, row);
    const int dx = p.x - x, dy = (height - p.y) - y;
    const int d = dx * dx + dy * dy;
    if (d < bestDistance) {
      best = row;
      bestDistance = d;
    }
  }
  return best;
}

}  // namespace vek
