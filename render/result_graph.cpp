#include "render/result_graph.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <string>

#include "core/encoding.h"
#include "core/number_format.h"
#include "core/record_store.h"
#include "core/sheet_settings.h"
#include "render/field_values.h"
#include "render/graph_frame.h"
#include "render/primitives.h"
#include "render/sheet_texts.h"
#include "render/results_table.h"

namespace vek {

namespace {

constexpr double kRSpanCm = 3.0;    // r scale: 3 cm over the frame width
constexpr double kDhSpanCm = 15.0;  // dH scale: 15 cm over the frame width
constexpr int kMaxPeLabels = 101;
constexpr int kMaxPeDecimals = 6;

// Formula corner ("in the graph"): x 106 ... 166, y 135 ... 165 stay free of grid lines.
constexpr double kCornerLeft = 106.0;
constexpr double kCornerTop = 135.0;
constexpr int kFormulaInGraph = 1;

// Extension of an analysis line: at most this many steps beyond the second point, stopping once
// the line is more than kExtendAboveMm above that point or above the frame top.
constexpr int kMaxExtensionSteps = 15;
constexpr double kExtendAboveMm = 10.0;
constexpr double kStartLimitY = 175.0;  // a start point further down is replaced by the first point

bool HoldsNumber(const TextField& t) { return IsNumericText(t) > 0; }
double Value(const TextField& t) { return std::atof(t.c_str()); }

int DecimalsOf(const TextField& t) {
  const size_t dot = t.find('.');
  if (dot == std::string::npos) return 0;
  return static_cast<int>(t.size() - dot - 1);
}

void DrawGrid(SheetCanvas& c, bool formula_corner) {
  for (int i = 1; i <= 14; ++i) {
    const double x = kPlotLeft + kGridPitch * i;
    const double bottom = formula_corner && i >= 10 ? kCornerTop : kPlotBottom;
    DrawGridLineMm(c, x, kPlotTop, x, bottom);
  }
}

void DrawHorizontalGrid(SheetCanvas& c, bool formula_corner) {
  for (int i = 1; i <= 15; ++i) {
    const double y = kPlotTop + kGridPitch * i;
    const double right = formula_corner && i >= 14 ? kCornerLeft : kPlotRight;
    DrawGridLineMm(c, kPlotLeft, y, right, y);
  }
}

void DrawDhScale(SheetCanvas& c) {
  const bool metres = IsMetreUnit(c.settings);
  SetTextAlign(c, HAlign::Centre, VAlign::Bottom);
  for (int i = 0; i <= 5; ++i) {
    const std::string text = metres ? FormatDouble("%.2f", i * 0.01) : FormatText("%d", i);
    DrawTextMm(c, kPlotLeft + kGridPitch * i, 4.0, text);
  }
  DrawTextMm(c, 79.0, 4.0, "dH" + LengthUnitInParentheses(c.settings));
}

void DrawRScale(SheetCanvas& c, double h, double r_origin) {
  const bool metres = IsMetreUnit(c.settings);
  SetTextAlign(c, HAlign::Centre, VAlign::Top);
  for (int j = 0; j <= 3; ++j) {
    double value = std::floor(j + r_origin + 0.000001);
    if (metres) value *= 0.01;
    DrawTextMm(c, kPlotLeft + 50.0 * j, kPlotBottom + 1.0, FormatDouble("%4.2f", value));
  }
  DrawTextMm(c, 91.0, kPlotBottom + 1.5 * h, Sjis("半径ｒ ") + LengthUnitInParentheses(c.settings));
}

void DrawPeScale(SheetCanvas& c, double h, const TestGraphScales& scales) {
  SetTextAlign(c, HAlign::Right, VAlign::Top);
  for (const PeScaleLabel& label : PeScaleLabels(c.store.test))
    DrawTextMm(c, 15.0, scales.YOfPe(label.value) - 0.5 * h, label.text);
}

struct PointMark {
  int field;        // header field holding the row number
  const char* utf8; // label
};

void DrawPoints(SheetCanvas& c, double h, const TestGraphScales& scales) {
  const Record& test = c.store.test;
  const SheetSettings& s = c.settings;
  const bool numbers = FieldInt(test.Header(hf::ShowDataNo)) != 0;
  const bool hide_pl = FieldInt(test.Header(hf::HidePl)) != 0;
  const bool marks = s.HidePointLetters == 0;
  static const PointMark kMarks[] = {{hf::PoPoint, "Po"}, {hf::PyPoint, "Py’"}, {hf::PlPoint, "Pl’"}};
  const int w = s.SymbolLineWidth;

  SetTextAlign(c, HAlign::Left, VAlign::Top);
  for (int k = 1; k <= kMaxTestRows; ++k) {
    const TextField& r = test.Test(k, tf::R);
    const TextField& pe = test.Test(k, tf::Pe);
    if (!HoldsNumber(r) || !HoldsNumber(pe)) break;
    const double x = scales.XOfR(Value(r));
    const double y = scales.YOfPe(Value(pe));
    const double xd = scales.XOfDh(Value(test.Test(k, tf::DH)));
    DrawCircleMm(c, x, y, 1.0, PenStyle::Solid, w, kBlack);
    DrawCircleMm(c, x, y, 0.2, PenStyle::Solid, w, kBlack);
    DrawLineMm(c, xd - 1.0, y + 1.0, xd + 1.0, y - 1.0, PenStyle::Solid, w, kBlack);
    DrawLineMm(c, xd - 1.0, y - 1.0, xd + 1.0, y + 1.0, PenStyle::Solid, w, kBlack);
    if (numbers) DrawTextMm(c, x + 2.0, y - 0.5 * h, FormatText("%d", k));
    if (!marks) continue;
    for (const PointMark& m : kMarks) {
      if (FieldInt(test.Header(m.field)) != k) continue;
      if (m.field == hf::PlPoint && hide_pl) continue;
      DrawLineMm(c, x + 1.0, y, x + 18.0, y, PenStyle::Solid, s.FrameLineWidth, kBlack);
      DrawTextMm(c, x + 20.0, y - 0.5 * h, Sjis(m.utf8));
    }
  }
}

// The analysis line between two rows, when both hold the horizontal quantity and Pe.
void DrawAnalysisLine(SheetCanvas& c, const TestGraphScales& scales, AnalysisLineKind kind,
                      int row0, int row1, int mode, int width, Colour colour) {
  const Record& test = c.store.test;
  const int column = kind == AnalysisLineKind::Radius ? tf::R : tf::DH;
  auto usable = [&](int row) {
    return row >= 1 && row <= kMaxTestRows && HoldsNumber(test.Test(row, column)) &&
           HoldsNumber(test.Test(row, tf::Pe));
  };
  if (!usable(row0) || !usable(row1)) return;
  const auto line = AnalysisLineGeometry(scales, kind, mode, Value(test.Test(row0, column)),
                                         Value(test.Test(row0, tf::Pe)),
                                         Value(test.Test(row1, column)),
                                         Value(test.Test(row1, tf::Pe)));
  if (line) DrawLineMm(c, line->x1, line->y1, line->x2, line->y2, PenStyle::Solid, width, colour);
}

void DrawAnalysisLines(SheetCanvas& c, const TestGraphScales& scales) {
  const Record& test = c.store.test;
  const SheetSettings& s = c.settings;
  const int po = FieldInt(test.Header(hf::PoPoint));
  const int py = FieldInt(test.Header(hf::PyPoint));
  const int pl = FieldInt(test.Header(hf::PlPoint));
  const Colour r_colour = ParseColourText(s.RLineColour);
  const Colour dh_colour = ParseColourText(s.DhLineColour);
  DrawAnalysisLine(c, scales, AnalysisLineKind::Radius, po, py, s.RLineMode, s.RLineWidth, r_colour);
  DrawAnalysisLine(c, scales, AnalysisLineKind::Creep, po, py, s.DhLineMode, s.DhLineWidth, dh_colour);
  DrawAnalysisLine(c, scales, AnalysisLineKind::Creep, py, pl, s.DhLineMode, s.DhLineWidth, dh_colour);
}

void DrawPeAxisName(SheetCanvas& c, double h) {
  const double x = std::max(kPlotLeft - 8.0 * h, 5.1);
  const std::string pressure = Sjis(" 圧力");
  const std::string symbol = Sjis(" Ｐe");
  const std::string unit = Sjis("(kN/㎡)");
  if (c.settings.RotateAxisNames != 0) {
    SelectRoleFont(c, 3, 90);
    SetTextAlign(c, HAlign::Left, VAlign::Top);
    DrawTextMm(c, x, 95.0, pressure + symbol + unit);
  } else {
    SetTextAlign(c, HAlign::Left, VAlign::Top);
    DrawTextMm(c, x, 85.0 + h, pressure);
    DrawTextMm(c, x, 85.0 + 2.5 * h, symbol);
    DrawTextMm(c, x, 85.0 + 4.0 * h, unit);
  }
}

}  // namespace

double TestGraphScales::XOfR(double r) const { return Interpolate(r, rLow, rHigh, kPlotLeft, kPlotRight); }
double TestGraphScales::XOfDh(double dh) const {
  return Interpolate(dh, 0.0, kDhSpanCm, kPlotLeft, kPlotRight);
}
double TestGraphScales::YOfPe(double pe) const {
  return Interpolate(pe, peLow, peHigh, kPlotBottom, kPlotTop);
}

double RScaleOrigin(const Record& test, const SheetSettings& s) {
  const double ro = Value(test.Header(hf::SondeRadius));
  return ro < 0.1 ? s.DefaultSondeRadius : ro;
}

TestGraphScales MakeTestGraphScales(const Record& test, const SheetSettings& s) {
  const double r = RScaleOrigin(test, s);
  TestGraphScales scales;
  scales.rLow = std::floor(r + 0.001);
  scales.rHigh = std::floor(r + kRSpanCm + 0.001);
  scales.peLow = Value(test.Header(hf::PeScaleMin));
  scales.peHigh = Value(test.Header(hf::PeScaleMax));
  return scales;
}

std::vector<PeScaleLabel> PeScaleLabels(const Record& test) {
  std::vector<PeScaleLabel> labels;
  const TextField& min_text = test.Header(hf::PeScaleMin);
  const TextField& step_text = test.Header(hf::PeScaleStep);
  const double low = Value(min_text);
  const double high = Value(test.Header(hf::PeScaleMax));
  const double step = Value(step_text);
  if (high < low) return labels;
  const int decimals = std::min(std::max(DecimalsOf(min_text), DecimalsOf(step_text)), kMaxPeDecimals);
  const char* format = DigitsFormat(decimals);
  for (double p = low; p <= high && static_cast<int>(labels.size()) < kMaxPeLabels; p += step)
    labels.push_back({p, FormatDouble(format, p)});
  return labels;
}

std::optional<LineMm> AnalysisLineGeometry(const TestGraphScales& scales, AnalysisLineKind kind,
                                           int mode, double u0, double p0, double u1, double p1) {
  if (mode != 1 && mode != 2) return std::nullopt;
  auto x_of = [&](double u) {
    return kind == AnalysisLineKind::Radius ? scales.XOfR(u) : scales.XOfDh(u);
  };
  const double ax = x_of(u0), ay = scales.YOfPe(p0);
  const double bx = x_of(u1), by = scales.YOfPe(p1);
  if (mode == 1) return LineMm{ax, ay, bx, by};

  // Pe on the straight line through both points.
  auto pe_at = [&](double u) { return Interpolate(u, u0, u1, p0, p1); };
  double step = std::max(std::abs(u1 - u0) * 0.05, 0.01);
  const double back = kind == AnalysisLineKind::Radius ? 0.02 : 0.1;
  double start = u0 - back;
  if (u0 > u1) {
    start = u0 + back;
    step = -step;
  }
  LineMm line{ax, ay, bx, by};
  const double start_y = scales.YOfPe(pe_at(start));
  if (start_y < kStartLimitY) {
    line.x1 = x_of(start);
    line.y1 = start_y;
  }
  double offset = 0.0;
  for (int i = 0; i < kMaxExtensionSteps; ++i) {
    offset += step;
    const double u = u1 + offset;
    const double y = scales.YOfPe(pe_at(u));
    line.x2 = x_of(u);
    line.y2 = y;
    if (by - y > kExtendAboveMm || y < kPlotTop) break;
  }
  return line;
}

void DrawTestGraph(SheetCanvas& c, double h) {
  const Record& test = c.store.test;
  const SheetSettings& s = c.settings;
  const bool formula_corner = s.FormulaPosition == kFormulaInGraph;
  const TestGraphScales scales = MakeTestGraphScales(test, s);

  DrawPlotFrame(c);
  DrawGrid(c, formula_corner);
  DrawDhScale(c);
  DrawRScale(c, h, RScaleOrigin(test, s));
  DrawHorizontalGrid(c, formula_corner);
  DrawPeScale(c, h, scales);
  DrawPoints(c, h, scales);
  DrawAnalysisLines(c, scales);
  DrawPeAxisName(c, h);
  SetTextAlign(c, HAlign::Left, VAlign::Top);
  if (formula_corner) {
    SelectRoleFont(c, 4);
    DrawFormulaLines(c, 110.0, kCornerTop, kPlotBottom);
  }
  SetTextAlign(c, HAlign::Left, VAlign::Top);
}

}  // namespace vek
