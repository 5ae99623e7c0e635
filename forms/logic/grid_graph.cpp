#include "forms/logic/grid_graph.h"

#include <cstdlib>

#include "forms/logic/measurement_grid_logic.h"
#include "forms/logic/small_plot.h"

namespace vek {

namespace {

bool IsNumber(const TextField& t) { return IsNumericText(t) > 0; }
double Atof(const TextField& t) { return std::atof(t.c_str()); }

}  // namespace

void DrawGridGraph(DrawDevice& device, int width, int height, const MeasurementGridLogic& grid) {
  const GraphScale& s = grid.Scale();
  SmallPlot plot(device, width, height, s.xFrom, s.xTo, s.yFrom, s.yTo);
  plot.Frame();
  const GridLayout& layout = grid.Layout();
  const auto point = [&](int line, double& x, double& y) {
    const TextField& xs = grid.Cell(line, layout.xColumn);
    const TextField& ys = grid.Cell(line, layout.yColumn);
    if (!IsNumber(xs) || !IsNumber(ys)) return false;
    x = Atof(xs);
    y = Atof(ys);
    return true;
  };
  plot.Notice(grid.Kind().GraphNotice(grid.GridRecord()), kPlotRed);
  double x = 0, y = 0;
  for (int line = 1; line <= layout.lines; ++line) {
    if (point(line, x, y)) plot.Point(x, y, kPlotGrey, layout.crosses, kBlack);
  }
  const int selected = grid.SelectedLine();
  if (selected == 0 || !point(selected, x, y)) return;
  plot.Point(x, y, kPlotBlue, layout.crosses, kPlotBlue);
  plot.Label(x, y, grid.Kind().PointLabel(grid.GridRecord(), selected), kPlotBlue);
}

}  // namespace vek
