#include "render/summary_plot.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "core/encoding.h"
#include "core/number_format.h"
#include "core/sheet_settings.h"
#include "render/graph_frame.h"
#include "render/primitives.h"

namespace vek {

namespace {

// Page geometry in millimetres from the margins: three panels side by side under the title.
constexpr double kLeftMargin = 15.0;
constexpr double kTopMargin = 12.0;
constexpr double kFirstPanelLeft = 16.0;
constexpr double kPanelWidth = 50.0;
constexpr double kPanelGap = 9.0;
constexpr double kMarkerMm = 1.3;
constexpr int kMaxDivisions = 6;

struct Quantity {
  TextField SummaryRow::*member;
  const char* axisName;  // UTF-8
};
const Quantity kQuantities[] = {{&SummaryRow::e, "E (MN/㎡)"},
                                {&SummaryRow::py, "Py (kN/㎡)"},
                                {&SummaryRow::pl, "Pl (kN/㎡)"}};

constexpr Colour kSeriesColours[] = {0x000000, 0x0000C0, 0xC00000, 0x008000,
                                     0x800080, 0x0080E0, 0x808000, 0x404080};
enum class Marker { Circle, Square, Triangle, Diamond, Cross, Plus };
constexpr Marker kMarkers[] = {Marker::Circle, Marker::Square, Marker::Triangle,
                               Marker::Diamond, Marker::Cross, Marker::Plus};

struct SeriesStyle {
  Colour colour;
  Marker marker;
};
SeriesStyle StyleOf(size_t index) {
  return {kSeriesColours[index % std::size(kSeriesColours)], kMarkers[index % std::size(kMarkers)]};
}

void DrawMarker(SheetCanvas& c, double x, double y, Marker marker, int width, Colour colour) {
  const double m = kMarkerMm;
  auto line = [&](double x1, double y1, double x2, double y2) {
    DrawLineMm(c, x1, y1, x2, y2, PenStyle::Solid, width, colour);
  };
  switch (marker) {
    case Marker::Circle: DrawCircleMm(c, x, y, m, PenStyle::Solid, width, colour); break;
    case Marker::Square:
      line(x - m, y - m, x + m, y - m), line(x + m, y - m, x + m, y + m);
      line(x + m, y + m, x - m, y + m), line(x - m, y + m, x - m, y - m);
      break;
    case Marker::Triangle:
      line(x, y - m, x + m, y + m), line(x + m, y + m, x - m, y + m), line(x - m, y + m, x, y - m);
      break;
    case Marker::Diamond:
      line(x, y - m, x + m, y), line(x + m, y, x, y + m), line(x, y + m, x - m, y), line(x - m, y, x, y - m);
      break;
    case Marker::Cross: line(x - m, y - m, x + m, y + m), line(x - m, y + m, x + m, y - m); break;
    case Marker::Plus: line(x - m, y, x + m, y), line(x, y - m, x, y + m); break;
  }
}

std::string TickText(double v) { return FormatDouble("%g", std::abs(v) < 1e-9 ? 0.0 : v); }

double LargestValue(const std::vector<SummarySeries>& series) {
  double top = 0.0;
  for (const SummarySeries& s : series)
    for (const auto& point : s.points) top = std::max(top, point.second);
  return top;
}

// One panel: frame, grid and ticks of the value axis on top, the series.
void DrawPanel(SheetCanvas& c, double left, const Quantity& q, const std::vector<SummarySeries>& series,
               const NiceAxis& depth, bool depthLabels, const SummaryPlotArea& area) {
  const double top = area.panelTop, bottom = area.panelBottom;
  const SheetSettings& s = c.settings;
  const double right = left + kPanelWidth;
  const NiceAxis value = MakeNiceAxis(LargestValue(series));
  auto xOf = [&](double v) { return Interpolate(v, 0.0, value.top, left, right); };
  auto yOf = [&](double d) { return Interpolate(d, 0.0, depth.top, top, bottom); };

  SelectRoleFont(c, 4);
  const double h = CurrentFontHeightMm(c);
  for (double d = 0.0; d <= depth.top + depth.step * 1e-6; d += depth.step) {
    const double y = yOf(d);
    if (d > 0.0 && d < depth.top - depth.step * 1e-6) DrawGridLineMm(c, left, y, right, y);
    if (depthLabels) {
      SetTextAlign(c, HAlign::Right, VAlign::Top);
      DrawTextMm(c, left - 1.0, y - 0.5 * h, TickText(d));
    }
  }
  SetTextAlign(c, HAlign::Centre, VAlign::Bottom);
  for (double v = 0.0; v <= value.top + value.step * 1e-6; v += value.step) {
    const double x = xOf(v);
    if (v > 0.0 && v < value.top - value.step * 1e-6) DrawGridLineMm(c, x, top, x, bottom);
    DrawTextMm(c, x, top - 1.0, TickText(v));
  }
  SelectRoleFont(c, 3);
  SetTextAlign(c, HAlign::Centre, VAlign::Bottom);
  DrawTextMm(c, 0.5 * (left + right), top - 2.0 - h, Sjis(q.axisName));

  const int frame = s.FrameLineWidth;
  DrawLineMm(c, left, top, right, top, PenStyle::Solid, frame, kBlack);
  DrawLineMm(c, left, bottom, right, bottom, PenStyle::Solid, frame, kBlack);
  DrawLineMm(c, left, top, left, bottom, PenStyle::Solid, frame, kBlack);
  DrawLineMm(c, right, top, right, bottom, PenStyle::Solid, frame, kBlack);

  for (size_t i = 0; i < series.size(); ++i) {
    const SeriesStyle style = StyleOf(i);
    const auto& pts = series[i].points;
    for (size_t k = 0; k < pts.size(); ++k) {
      const double x = xOf(pts[k].second), y = yOf(pts[k].first);
      DrawMarker(c, x, y, style.marker, s.SymbolLineWidth, style.colour);
      if (k > 0)
        DrawLineMm(c, xOf(pts[k - 1].second), yOf(pts[k - 1].first), x, y, PenStyle::Solid, s.RLineWidth,
                   style.colour);
    }
  }
}

// Boring names with their marker, in rows across the page width.
void DrawLegend(SheetCanvas& c, const std::vector<SummarySeries>& series, double legendTop) {
  SelectRoleFont(c, 3);
  const double h = CurrentFontHeightMm(c);
  SetTextAlign(c, HAlign::Left, VAlign::Top);
  constexpr double kEntryWidth = 45.0;
  constexpr int kPerRow = 4;
  for (size_t i = 0; i < series.size(); ++i) {
    const double x = kFirstPanelLeft + kEntryWidth * static_cast<double>(i % kPerRow);
    const double y = legendTop + (h + 2.0) * static_cast<double>(i / kPerRow);
    const SeriesStyle style = StyleOf(i);
    DrawLineMm(c, x, y + 0.5 * h, x + 8.0, y + 0.5 * h, PenStyle::Solid, c.settings.RLineWidth, style.colour);
    DrawMarker(c, x + 4.0, y + 0.5 * h, style.marker, c.settings.SymbolLineWidth, style.colour);
    DrawTextMm(c, x + 10.0, y, series[i].boring.empty() ? Sjis("（No.なし）") : series[i].boring);
  }
}

}  // namespace

NiceAxis MakeNiceAxis(double largest) {
  if (!(largest > 0.0) || !std::isfinite(largest)) return {};
  const double raw = largest / kMaxDivisions;
  const double power = std::pow(10.0, std::floor(std::log10(raw)));
  double step = power;
  for (double m : {1.0, 2.0, 5.0, 10.0}) {
    step = m * power;
    if (step * kMaxDivisions >= largest * (1.0 - 1e-12)) break;
  }
  return {std::ceil(largest / step - 1e-9) * step, step};
}

std::vector<SummarySeries> SeriesOf(const std::vector<SummaryRow>& rows, TextField SummaryRow::*quantity) {
  std::vector<SummarySeries> out;
  for (const SummaryRow& row : rows) {
    auto it = std::find_if(out.begin(), out.end(), [&](const SummarySeries& s) { return s.boring == row.boringNo; });
    if (it == out.end()) {
      out.push_back({row.boringNo, {}});
      it = out.end() - 1;
    }
    const TextField& text = row.*quantity;
    if (!row.hasDepth || IsNumericText(text) <= 0) continue;
    const double v = std::atof(text.c_str());
    if (std::isfinite(v)) it->points.emplace_back(row.depthBelowGround, v);
  }
  return out;
}

void UseSummaryMargins(SheetCanvas& c) {
  c.placement.leftMargin = kLeftMargin;
  c.placement.topMargin = kTopMargin;
  c.placement.blockOffset = 0.0;
}

void DrawSummaryPage(SheetCanvas& c, const std::vector<SummaryRow>& rows, const TextField& title) {
  UseSummaryMargins(c);

  SelectRoleFont(c, 5);
  SetTextAlign(c, HAlign::Centre, VAlign::Top);
  DrawTextMm(c, 90.0, 0.0, title);
  SelectRoleFont(c, 1);
  DrawTextMm(c, 90.0, 2.0 + RoleFontHeightMm(c, 5),
             Sjis("深度方向の分布（") + FormatText("%d", static_cast<int>(rows.size())) + Sjis(" 試験）"));
  DrawSummaryPlot(c, rows, SummaryPlotArea{});
}

void DrawSummaryPlot(SheetCanvas& c, const std::vector<SummaryRow>& rows, const SummaryPlotArea& area) {
  double deepest = 0.0;
  for (const SummaryRow& row : rows)
    if (row.hasDepth) deepest = std::max(deepest, row.depthBelowGround);
  const NiceAxis depth = MakeNiceAxis(deepest);

  double left = kFirstPanelLeft;
  bool first = true;
  for (const Quantity& q : kQuantities) {
    DrawPanel(c, left, q, SeriesOf(rows, q.member), depth, first, area);
    left += kPanelWidth + kPanelGap;
    first = false;
  }
  // The depth axis name reads upwards beside the first panel's labels.
  SelectRoleFont(c, 3, 90);
  SetTextAlign(c, HAlign::Centre, VAlign::Bottom);
  DrawTextMm(c, kFirstPanelLeft - 9.0, 0.5 * (area.panelTop + area.panelBottom), Sjis("深度 GL-(m)"));
  // Every boring has a series in every panel (perhaps without points): their order is the legend's.
  DrawLegend(c, SeriesOf(rows, kQuantities[0].member), area.legendTop);
  SetTextAlign(c, HAlign::Left, VAlign::Top);
}

}  // namespace vek
