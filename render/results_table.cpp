#include "render/results_table.h"

#include "core/encoding.h"
#include "core/header_fields.h"
#include "core/number_format.h"
#include "core/record_store.h"
#include "core/sheet_settings.h"
#include "render/field_values.h"
#include "render/primitives.h"
#include "render/sheet_texts.h"

namespace vek {

namespace {

constexpr double kLeft = 5.0;
constexpr double kCellWidth = 27.5;
constexpr int kCells = 6;
constexpr double kTop = 35.0;
constexpr double kLabelBottom = 40.5;
constexpr double kUnitBottom = 46.0;
constexpr double kBottom = 54.0;
constexpr double kRaise = 0.8;
constexpr double kRaisedUnitIndent = 5.0;
constexpr double kMissingPosition = -9999.0;
constexpr int kFormulaLines = 6;

double CellX(int k) { return kLeft + kCellWidth * k; }  // border k = 0 ... 6

}  // namespace

void DrawResultsTable(SheetCanvas& c, double h) {
  const SheetSettings& s = c.settings;
  const Record& r = c.store.test;
  const double right = CellX(kCells);

  const int frame = s.FrameLineWidth;
  DrawLineMm(c, kLeft, kTop, right, kTop, PenStyle::Solid, frame, kBlack);
  DrawLineMm(c, kLeft, kBottom, right, kBottom, PenStyle::Solid, frame, kBlack);
  DrawLineMm(c, kLeft, kTop, kLeft, kBottom, PenStyle::Solid, frame, kBlack);
  DrawLineMm(c, right, kTop, right, kBottom, PenStyle::Solid, frame, kBlack);

  const int rule = s.RuleLineWidth;
  DrawLineMm(c, kLeft, kUnitBottom, right, kUnitBottom, PenStyle::Solid, rule, kBlack);
  for (int k = 1; k < kCells; ++k) DrawLineMm(c, CellX(k), kTop, CellX(k), kBottom, PenStyle::Solid, rule, kBlack);

  const std::string labels[kCells] = {
      Sjis("静止土圧 Po"), Sjis("降伏圧 Py"),  Sjis("破壊圧 Pl"),
      Sjis("地盤係数 K"),  s.ModulusHeading + " " + s.ModulusSymbol, Sjis("中間半径 rm")};
  for (int k = 0; k < kCells; ++k) DrawTextInRectMm(c, CellX(k), kTop, CellX(k + 1), kLabelBottom, labels[k]);

  const std::string units[kCells] = {PressureUnitText(), PressureUnitText(), PressureUnitText(), "",
                                     Sjis("MN/㎡"), LengthUnitText(s)};
  for (int k = 0; k < kCells; ++k) {
    if (k == 3) continue;
    DrawTextInRectMm(c, CellX(k), kLabelBottom, CellX(k + 1), kUnitBottom, units[k]);
  }
  const double unit_centre_y = (kLabelBottom + kUnitBottom) * 0.5;
  DrawRaisedUnit(c, (CellX(3) + CellX(4)) * 0.5 - kRaisedUnitIndent, unit_centre_y - 0.5 * h,
                 Sjis("MN/ｍ"), "3", "");

  const bool hide_pl = FieldInt(r.Header(hf::HidePl)) != 0;
  const std::string values[kCells] = {
      FormatByDigits(r.Header(hf::Po), s.DigitsPoPyPl, false),
      FormatByDigits(r.Header(hf::PyNet), s.DigitsPoPyPl, false),
      hide_pl ? std::string() : FormatByDigits(r.Header(hf::PlNet), s.DigitsPoPyPl, false),
      FormatByDigits(r.Header(hf::KValue), s.DigitsK, false),
      FormatByDigits(r.Header(hf::EModulus), s.DigitsE, false),
      FormatByDigits(r.Header(hf::MeanRadius), s.DigitsRm, IsMetreUnit(s))};
  for (int k = 0; k < kCells; ++k) {
    if (values[k].empty()) continue;
    DrawTextInRectMm(c, CellX(k), kUnitBottom, CellX(k + 1), kBottom, values[k]);
  }
}

void DrawRaisedUnit(SheetCanvas& c, double x, double y, std::string_view base, std::string_view raised,
                    std::string_view tail) {
  DrawDevice& d = c.device;
  SetTextAlign(c, HAlign::Left, VAlign::Top, true);
  const int raise = MmToDeviceY(c, kRaise) - MmToDeviceY(c, 0.0);
  if (!(x < kMissingPosition && y < kMissingPosition)) d.MoveTo(MmToDeviceX(c, x), MmToDeviceY(c, y));
  const DevicePoint start = d.CurrentPosition();
  d.TextOut(start.x, start.y, base);
  const int raised_x = start.x + d.TextExtent(base).width;
  d.MoveTo(raised_x, start.y - raise);
  d.TextOut(raised_x, start.y - raise, raised);
  const int tail_x = raised_x + d.TextExtent(raised).width;
  d.MoveTo(tail_x, start.y);
  if (!tail.empty()) d.TextOut(tail_x, start.y, tail);
  SetTextAlign(c, HAlign::Left, VAlign::Top);
}

void DrawFormulaLines(SheetCanvas& c, double x, double y_top, double y_bottom) {
  const Record& r = c.store.test;
  SetTextAlign(c, HAlign::Left, VAlign::Top);
  const double d = (y_bottom - y_top) / 7.0;
  for (int i = 0; i < kFormulaLines; ++i)
    DrawTextMm(c, x, y_top + d / 2 + i * d, r.Header(hf::FormulaPlText + i));
}

}  // namespace vek
