#include "render/cal_sheet.h"

#include <cstdlib>
#include <string>

#include "core/cal_curve.h"
#include "core/encoding.h"
#include "core/number_format.h"
#include "core/record_store.h"
#include "core/sheet_settings.h"
#include "render/data_table.h"
#include "render/field_values.h"
#include "render/graph_frame.h"
#include "render/primitives.h"
#include "render/sheet_texts.h"

namespace vek {

namespace {

constexpr double kPMax = 300.0;  // kN/m² at the right frame edge
constexpr double kHMax = 80.0;   // cm at the top frame edge
constexpr int kCurveSteps = 26;  // regression curve: H steps of 80/26 cm
// Curve segments are kept only while their end lies in this x band (mm), so a curve that runs
// off sideways is cut a little outside the frame.
constexpr double kCurveMinX = 8.0;
constexpr double kCurveMaxX = 174.0;

bool HoldsNumber(const TextField& t) { return IsNumericText(t) > 0; }
double Value(const TextField& t) { return std::atof(t.c_str()); }

void DrawPoints(SheetCanvas& c, double h, bool straight_line) {
  const Record& cal = c.store.calibration;
  const SheetSettings& s = c.settings;
  const bool numbers = FieldInt(cal.Header(hf::ShowDataNo)) != 0;
  SetTextAlign(c, HAlign::Left, VAlign::Top);
  double prev_x = 0.0, prev_y = 0.0;
  for (int row = 1; row <= kMaxCalRows; ++row) {
    const TextField& p = cal.Cal(row, cf::Pressure);
    const TextField& hv = cal.Cal(row, cf::H);
    if (!HoldsNumber(p) || !HoldsNumber(hv)) break;
    const double x = CalGraphX(Value(p));
    const double y = CalGraphY(Value(hv));
    if (straight_line && row > 1)
      DrawLineMm(c, prev_x, prev_y, x, y, PenStyle::Solid, s.RuleLineWidth, kBlack);
    DrawCircleMm(c, x, y, 1.0, PenStyle::Solid, s.SymbolLineWidth, kBlack);
    if (numbers) DrawTextMm(c, x + 2.0, y - 0.5 * h, FormatText("%d", row));
    prev_x = x;
    prev_y = y;
  }
}

void DrawRegressionCurve(SheetCanvas& c) {
  const double step = kHMax / kCurveSteps;
  double prev_x = 0.0, prev_y = 0.0;
  // Counted steps rather than accumulating H, so that the last step lands on 80 cm exactly.
  for (int i = 0; i <= kCurveSteps; ++i) {
    const double hv = i * step;
    const double x = CalGraphX(EvalCalPolynomial(hv, c.store.calCoefficients));
    const double y = CalGraphY(hv);
    if (i > 0 && x > kCurveMinX && x <= kCurveMaxX)
      DrawLineMm(c, prev_x, prev_y, x, y, PenStyle::Solid, c.settings.RuleLineWidth, kBlack);
    prev_x = x;
    prev_y = y;
  }
}

void DrawHScale(SheetCanvas& c, double h) {
  const SheetSettings& s = c.settings;
  const bool metres = IsMetreUnit(s);
  SetTextAlign(c, HAlign::Right, VAlign::Top);
  for (int k = 0; k <= 8; ++k) {
    const double value = metres ? 0.1 * k : 10.0 * k;
    DrawTextMm(c, 15.0, kPlotBottom - 20.0 * k - 0.4 * h, FormatDouble(DigitsFormat(s.DigitsH), value));
  }
  const std::string name = Sjis("Ｈ") + LengthUnitInParentheses(s);
  if (s.RotateAxisNames != 0) {
    SelectRoleFont(c, 3, 90);
    SetTextAlign(c, HAlign::Left, VAlign::Top);
    DrawTextMm(c, 6.0, 85.0 - h, name);
  } else {
    DrawTextMm(c, 14.0, 85.0 + h, name);
  }
  SetTextAlign(c, HAlign::Left, VAlign::Top);
}

}  // namespace

double CalGraphX(double p) { return Interpolate(p, 0.0, kPMax, kPlotLeft, kPlotRight); }
double CalGraphY(double h) { return Interpolate(h, kHMax, 0.0, kPlotTop, kPlotBottom); }

void DrawCalGraph(SheetCanvas& c, double h) {
  const Record& cal = c.store.calibration;
  // Curve type 0 is the straight-line approximation; anything else the regression curve.
  const bool straight_line = FieldInt(cal.Header(hf::CalCurveType)) == 0;

  DrawPlotFrame(c);
  for (int i = 1; i <= 14; ++i) {
    const double x = kPlotLeft + kGridPitch * i;
    DrawGridLineMm(c, x, kPlotTop, x, kPlotBottom);
  }
  SetTextAlign(c, HAlign::Centre, VAlign::Top);
  for (int i = 0; i <= 3; ++i)
    DrawTextMm(c, kPlotLeft + 50.0 * i, kPlotBottom + 1.0, FormatText("%d", 100 * i));
  DrawTextMm(c, 91.0, kPlotBottom + 1.5 * h, Sjis("Ｐ (kN/㎡)"));
  for (int j = 1; j <= 15; ++j) {
    const double y = kPlotBottom - kGridPitch * j;
    DrawGridLineMm(c, kPlotLeft, y, kPlotRight, y);
  }
  DrawPoints(c, h, straight_line);
  if (!straight_line) DrawRegressionCurve(c);
  DrawHScale(c, h);
}

void DrawCalTable(SheetCanvas& c, double /*h*/) {
  const Record& cal = c.store.calibration;
  const SheetSettings& s = c.settings;
  const bool numbers = FieldInt(cal.Header(hf::ShowDataNo)) != 0;
  const bool at_120 = FieldInt(cal.Header(hf::ReadingTimeBasis)) != 0;
  const bool metres = IsMetreUnit(s);
  const TableLayout layout = ChooseTableLayout(numbers, /*show120=*/true);

  DrawTableFrameAndCaptions(c, layout, /*with_120_caption=*/at_120);

  const double reading_x = (at_120 ? layout.x[8] : layout.x[7]) - 2.0;
  const auto& bottoms = TableRowBottoms();
  SetTextAlign(c, HAlign::Right, VAlign::Bottom);
  for (int j = 1; j <= kMaxCalRows; ++j) {
    const double y = bottoms[j] - 0.5;
    const std::string cells[3] = {
        FormatByDigits(cal.Cal(j, cf::Pressure), s.DigitsPressure, false),
        FormatByDigits(cal.Cal(j, cf::Reading), s.DigitsReading, metres),
        FormatByDigits(cal.Cal(j, cf::H), s.DigitsH, metres),
    };
    const double xs[3] = {layout.x[3] - 2.0, reading_x, layout.x[10] - 2.0};
    bool printed = false;
    for (int k = 0; k < 3; ++k) {
      if (cells[k].empty()) continue;
      DrawTextMm(c, xs[k], y, cells[k]);
      printed = true;
    }
    if (numbers && printed) DrawTableRowNumber(c, layout, bottoms[j], j);
  }
  SetTextAlign(c, HAlign::Left, VAlign::Top);
}

}  // namespace vek
