#pragma once
// The small Pe-r graph of the analysis form: every analysable step as a circle with a cross and a
// label, the three shown steps and the cursor step in their type's colour. Drawn in widget pixels
// through the sheets' DrawDevice; the graph itself counts y upwards from the bottom edge.
#include "core/analysis.h"
#include "core/record_store.h"
#include "forms/logic/linear_axis.h"
#include "render/draw_device.h"

namespace vek {

// What the graph shows.
struct AnalysisGraphView {
  const RecordStore* store = nullptr;
  int analysable = 0;       // N: steps 1..N are drawn
  AnalysisRows shown;       // drawn in their type's colour
  int cursor = 0;           // 0: none; else drawn again in the colour of currentType
  int currentType = 1;      // 1 Po, 2 Py', 3 Pl'
  double rFrom = 4, rTo = 7, peFrom = 0, peTo = 1600;
};

// The axes in the graph's own coordinates (y upwards) for a frame of width x height pixels.
struct GraphGeometry {
  LinearAxis r, pe;
  int height = 0;  // device y = height - graph y
};

GraphGeometry MakeGraphGeometry(const AnalysisGraphView& view, int width, int height);

// The colour of a chosen-step type (1 green, 2 blue, 3 red).
Colour StepTypeColour(int type);

// Where a step's label goes: the corner of its 160 x 20 rectangle relative to the point (X, Y) in
// graph coordinates. Points in the right part of the graph get their label to the left and above,
// points near the bottom get it raised, the others to the right and slightly lowered.
struct LabelOffset {
  int dx = 0, dy = 0;
};
LabelOffset StepLabelOffset(const GraphGeometry& geometry, int x, int y);

// The label text of a step: "P (15 s, 30 s, 60 s)" from the stored readings (CP932).
std::string StepLabel(const RecordStore& store, int row);

void DrawAnalysisGraph(DrawDevice& device, const AnalysisGraphView& view, int width, int height);

// The step whose point lies nearest to the device pixel (x, y), within 6 pixels; 0 when none.
int AnalysisGraphRowAt(const AnalysisGraphView& view, int width, int height, int x, int y);

}  // namespace vek
