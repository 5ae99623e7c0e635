#include "render/data_table.h"

#include <cstdio>

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

constexpr int kLastTableColumn = 13;
constexpr int kStandpipeColumn = 4;      // its upper caption spans to x[8]
constexpr int k120Column = 7;            // table column of the 120 s reading
constexpr double kCaptionIndent = 0.6;   // upper captions of columns 1-3
constexpr double kLowerCaptionLeft = 0.5;
constexpr double kLowerCaptionRight = 2.5;
constexpr double kValueInset = 2.0;
constexpr double kWideValueInset = 3.5;  // 15-60 s readings when the 120 s column is hidden
constexpr double kValueLift = 0.5;
constexpr double kRowNumberOffset = 1.5;

// Column borders x[1 ... 14] of the four layouts; x[0] unused, x[1] only with the number column.
constexpr std::array<double, 15> kPlain120{0, 0, 5, 19, 33, 47, 61, 75, 89, 103, 117, 131, 146, 160, 175};
constexpr std::array<double, 15> kPlainNo120{0, 0, 5, 19, 33, 50, 67, 84, 89, 103, 117, 131, 146, 160, 175};
constexpr std::array<double, 15> kNumbered120{0, 5, 8.5, 23, 36, 50, 64, 78, 92, 106, 120, 134, 149, 163, 178};
constexpr std::array<double, 15> kNumberedNo120{0, 5, 8.5, 23, 36, 53, 70, 87, 92, 106, 120, 134, 149, 163, 178};

struct CaptionPair {
  const char* cm;
  const char* m;
};

constexpr CaptionPair kUpperCaptions[14] = {
    {"", ""},
    {"", ""},
    {"セル水圧", "セル水圧"},
    {"ガス圧", "ガス圧"},
    {"スタンドパイプの読み Ｈ’ｃｍ", "スタンドパイプの読み Ｈ’ｍ"},
    {"", ""},
    {"", ""},
    {"", ""},
    {" ｄＨ", " ｄＨ"},
    {" Ｈ", " Ｈ"},
    {"ＰG", "ＰG"},
    {"ＰG-Ｐ", "ＰG-Ｐ"},
    {"Ｐe", "Ｐe"},
    {"ｒ", "ｒ"},
};

constexpr CaptionPair kLowerCaptions[14] = {
    {"", ""},
    {" No.", " No."},
    {"kN/㎡", "kN/㎡"},
    {"kN/㎡", "kN/㎡"},
    {" 15”", " 15”"},
    {" 30”", " 30”"},
    {" 60”", " 60”"},
    {" 120”", " 120”"},
    {"ｃｍ", "ｍ"},
    {"ｃｍ", "ｍ"},
    {"kN/㎡", "kN/㎡"},
    {"kN/㎡", "kN/㎡"},
    {"kN/㎡", "kN/㎡"},
    {"ｃｍ", "ｍ"},
};

std::string Caption(const CaptionPair& pair, bool metre) { return Sjis(metre ? pair.m : pair.cm); }

// Digits setting and metre conversion of a TestRows column.
struct CellFormat {
  int digits;
  bool length;  // shown in metres in m mode
};

CellFormat TestCellFormat(const SheetSettings& s, int column) {
  switch (column) {
    case tf::Pressure:
    case tf::GasPressure:
      return {s.DigitsPressure, false};
    case tf::Reading15:
    case tf::Reading30:
    case tf::Reading60:
    case tf::Reading120:
    case tf::DH:
      return {s.DigitsReading, true};
    case tf::H:
      return {s.DigitsH, true};
    case tf::R:
      return {s.DigitsR, true};
    default:
      return {s.DigitsPe, false};
  }
}

}  // namespace

TableLayout ChooseTableLayout(bool numbers, bool show120) {
  TableLayout layout;
  layout.numbers = numbers;
  layout.show120 = show120;
  layout.x = numbers ? (show120 ? kNumbered120 : kNumberedNo120) : (show120 ? kPlain120 : kPlainNo120);
  return layout;
}

const std::array<double, kTableRowsPerPage + 1>& TableRowBottoms() {
  static const std::array<double, kTableRowsPerPage + 1> ys = [] {
    std::array<double, kTableRowsPerPage + 1> out{};
    double y = kTableHeaderBottom;
    out[0] = y;
    for (int j = 1; j <= kTableRowsPerPage; ++j) {
      if ((j - 1) % 5 == 0) y += kTableRowPitch / 2;
      y += kTableRowPitch;
      out[j] = y;
    }
    return out;
  }();
  return ys;
}

void DrawTableFrameAndCaptions(SheetCanvas& c, const TableLayout& layout, bool with_120_caption) {
  const SheetSettings& s = c.settings;
  const auto& x = layout.x;
  const double left = layout.Left();
  const double right = layout.Right();

  const int frame = s.FrameLineWidth;
  DrawLineMm(c, left, kTableTop, right, kTableTop, PenStyle::Solid, frame, kBlack);
  DrawLineMm(c, left, kTableBottom, right, kTableBottom, PenStyle::Solid, frame, kBlack);
  DrawLineMm(c, left, kTableTop, left, kTableBottom, PenStyle::Solid, frame, kBlack);
  DrawLineMm(c, right, kTableTop, right, kTableBottom, PenStyle::Solid, frame, kBlack);

  const int rule = s.RuleLineWidth;
  DrawLineMm(c, left, kTableCaptionSplit, right, kTableCaptionSplit, PenStyle::Solid, rule, kBlack);
  DrawLineMm(c, left, kTableHeaderBottom, right, kTableHeaderBottom, PenStyle::Solid, rule, kBlack);
  DrawLineMm(c, x[4], kTableTop, x[4], kTableBottom, PenStyle::Solid, rule, kBlack);
  DrawLineMm(c, x[8], kTableTop, x[8], kTableBottom, PenStyle::Solid, rule, kBlack);

  if (s.ShowSiFactor == 1 && IsNumericText(s.SiFactor) > 0) {
    SetTextAlign(c, HAlign::Right, VAlign::Bottom);
    DrawTextMm(c, right - 1, 4, Sjis("1kgf/c㎡＝") + s.SiFactor + PressureUnitText());
  }

  SetTextAlign(c, HAlign::Left, VAlign::Top);
  const bool metre = IsMetreUnit(s);
  for (int i = layout.FirstColumn(); i <= kLastTableColumn; ++i) {
    const std::string text = Caption(kUpperCaptions[i], metre);
    if (text.empty()) continue;
    const double x1 = x[i] + (i <= 3 ? kCaptionIndent : 0.0);
    const double x2 = i == kStandpipeColumn ? x[8] : x[i + 1];
    DrawTextInRectMm(c, x1, kTableTop, x2, kTableCaptionSplit, text);
  }
  for (int i = layout.FirstColumn(); i <= kLastTableColumn; ++i) {
    if (i == k120Column && !with_120_caption) continue;
    DrawTextInRectMm(c, x[i] + kLowerCaptionLeft, kTableCaptionSplit, x[i + 1] + kLowerCaptionRight,
                     kTableHeaderBottom, Caption(kLowerCaptions[i], metre));
  }
}

void DrawTableRowNumber(SheetCanvas& c, const TableLayout& layout, double row_y, int number) {
  char text[16];
  std::snprintf(text, sizeof text, "%3d", number);
  DrawTextMm(c, layout.x[2] + kRowNumberOffset, row_y - kValueLift, text);
}

void DrawTestDataTable(SheetCanvas& c, double /*h*/, int table_page_index) {
  const Record& r = c.store.test;
  const SheetSettings& s = c.settings;
  const TableLayout layout =
      ChooseTableLayout(FieldInt(r.Header(hf::ShowDataNo)) != 0, FieldInt(r.Header(hf::Show120Reading)) != 0);
  DrawTableFrameAndCaptions(c, layout, layout.show120);

  const bool metre = IsMetreUnit(s);
  const auto& ys = TableRowBottoms();
  SetTextAlign(c, HAlign::Right, VAlign::Bottom);
  for (int j = 1; j <= kTableRowsPerPage; ++j) {
    const long long n = static_cast<long long>(kTableRowsPerPage) * (table_page_index - 1) + j;
    if (n > kMaxTestRows) break;
    if (n < 1) continue;  // a page index below 1 has no rows
    const double y = ys[j];
    bool printed = false;
    for (int k = 1; k <= kTestFieldCount; ++k) {
      if (k == tf::Reading120 && !layout.show120) continue;
      const CellFormat f = TestCellFormat(s, k);
      const std::string text = FormatByDigits(r.Test(static_cast<int>(n), k), f.digits, f.length && metre);
      if (text.empty()) continue;
      const bool wide = !layout.show120 && k >= tf::Reading15 && k <= tf::Reading60;
      DrawTextMm(c, layout.x[k + 2] - (wide ? kWideValueInset : kValueInset), y - kValueLift, text);
      printed = true;
    }
    if (layout.numbers && printed) DrawTableRowNumber(c, layout, y, static_cast<int>(n));
  }
  SetTextAlign(c, HAlign::Left, VAlign::Top);
}

}  // namespace vek
