#include "render/heading_block.h"

#include <algorithm>
#include <initializer_list>

#include "core/encoding.h"
#include "core/header_fields.h"
#include "core/number_format.h"
#include "core/record_store.h"
#include "core/sheet_settings.h"
#include "render/primitives.h"
#include "render/sheet_texts.h"

namespace vek {

namespace {

constexpr double kFirstRowY = 9.0;
constexpr double kRowPitch = 4.5;
constexpr double kLabelLeft = 10.0;
constexpr double kLabelRight = 30.0;
constexpr double kValueX = 35.0;
constexpr double kCharWidth = 2.0;
constexpr size_t kPlainNoCaptionBytes = 6;

// Right-hand label column and value position of the two test-sheet variants.
struct RightColumn {
  double labelLeft, labelRight, valueX;
};
constexpr RightColumn kGraphPageRight{94.0, 114.0, 118.0};
constexpr RightColumn kTablePageRight{100.0, 120.0, 124.0};
constexpr double kPressureOffsetX = 118.0;
// Where a heading value must end: before the next label, and before the unprintable strip at the
// right of an A4 sheet (the paper's edge, 210 mm, less 5 mm).
constexpr double kGapBeforeLabel = 1.0;
constexpr double kPaperRightMm = 205.0;

// Short formats of the pressure offset, by digits (0 ... 6).
constexpr const char* kShortFormats[] = {"%1.0f", "%2.1f", "%3.2f", "%4.3f", "%5.4f", "%6.5f", "%f"};

double RowY(int k) { return kFirstRowY + kRowPitch * k; }

std::string PadLeft2(const std::string& s) { return s.size() >= 2 ? s : std::string(2 - s.size(), ' ') + s; }

// The canvas a block draws on, and where it notes the values it drew smaller (when asked to).
struct Block {
  SheetCanvas& c;
  std::vector<HeadingFields>* condensed;
};

void Spread(SheetCanvas& c, double x1, double x2, int row, std::string_view label) {
  DrawSpreadTextMm(c, x1, x2, RowY(row), RowY(row), kCharWidth, 0.0, label);
}

// The right end of the paper in sheet coordinates.
double PaperRight(const SheetCanvas& c) { return kPaperRightMm - c.placement.leftMargin; }

// A value of header fields `fields` at x, ending before `right`.
void Value(Block& b, double x, int row, double right, std::string_view text, std::initializer_list<int> fields) {
  if (!DrawTextWithinMm(b.c, x, RowY(row), right, text) || !b.condensed) return;
  HeadingFields value(fields);
  if (std::find(b.condensed->begin(), b.condensed->end(), value) == b.condensed->end())
    b.condensed->push_back(std::move(value));
}

// Label spread over the left column and its value at x = 35, ending before `right`.
void LeftItem(Block& b, int row, std::string_view label, std::string_view value, std::initializer_list<int> fields,
              double right) {
  Spread(b.c, kLabelLeft, kLabelRight, row, label);
  Value(b, kValueX, row, right, value, fields);
}

// A left item with nothing to its right on its row.
void LeftItem(Block& b, int row, std::string_view label, std::string_view value, std::initializer_list<int> fields) {
  LeftItem(b, row, label, value, fields, PaperRight(b.c));
}

// A left item whose row has the right column's label at `col`.
void LeftItem(Block& b, int row, std::string_view label, std::string_view value, std::initializer_list<int> fields,
              const RightColumn& col) {
  LeftItem(b, row, label, value, fields, col.labelLeft - kGapBeforeLabel);
}

void RightItem(Block& b, const RightColumn& col, int row, std::string_view label, std::string_view value,
               std::initializer_list<int> fields) {
  Spread(b.c, col.labelLeft, col.labelRight, row, label);
  Value(b, col.valueX, row, PaperRight(b.c), value, fields);
}

void NoItem(Block& b, const Record& r) {
  const TextField& caption = r.Header(hf::NoCaption);
  if (caption.size() <= kPlainNoCaptionBytes)
    DrawTextMm(b.c, kLabelLeft, RowY(1), caption);
  else
    Spread(b.c, kLabelLeft, kLabelRight, 1, caption);
  Value(b, kValueX, 1, PaperRight(b.c), r.Header(hf::BoringNo), {hf::BoringNo});
}

// "初期…" / "挿入後…" + level + unit, as one text at x = 10.
void StandpipeItem(SheetCanvas& c, const Record& r, int row, int field, const char* label_utf8) {
  const std::string text = Sjis(label_utf8) +
                           FormatByDigits(r.Header(field), c.settings.DigitsReading,
                                          IsMetreUnit(c.settings)) +
                           LengthUnitText(c.settings);
  DrawTextMm(c, kLabelLeft, RowY(row), text);
}

constexpr const char* kInitialLevelLabel = "初期スタンドパイプの水位　 ";
constexpr const char* kInsertedLevelLabel = "挿入後スタンドパイプの水位 ";

}  // namespace

std::string HeadingDateText(const Record& r) {
  return r.Header(hf::DateEra) + PadLeft2(r.Header(hf::DateYear)) + Sjis("年") +
         PadLeft2(r.Header(hf::DateMonth)) + Sjis("月") + PadLeft2(r.Header(hf::DateDay)) + Sjis("日");
}

std::string HeadingDepthText(const Record& r) {
  const TextField& depth = r.Header(hf::TestDepth);
  if (IsNumericText(depth) > 0) return FormatDouble("GL. %.2f", LeadingDecimal(depth)) + Sjis("ｍ");
  return Sjis("  ｍ");
}

std::string HeadingWaterLevelText(const Record& r) {
  const TextField& level = r.Header(hf::BoreholeWaterLevel);
  const std::string value = IsNumericText(level) > 0
                                ? FormatDouble("GL. %2.2f", LeadingDecimal(level)) + Sjis("ｍ")
                                : level;
  return r.Header(hf::WaterLevelPrefix) + value;
}

std::string PressureOffsetText(const Record& r, int digits_pe) {
  const TextField& offset = r.Header(hf::PressureOffset);
  std::string value = "  ";
  if (IsNumericText(offset) > 0)
    value = FormatDouble(kShortFormats[std::clamp(digits_pe, 0, 6)], LeadingDecimal(offset));
  return Sjis("Ｐs=") + value + PressureUnitText();
}

void DrawHeadingBlock(SheetCanvas& c, HeadingVariant variant, const Record& r,
                      std::vector<HeadingFields>* condensed) {
  Block b{c, condensed};
  const std::initializer_list<int> date{hf::DateEra, hf::DateYear, hf::DateMonth, hf::DateDay};
  SetTextAlign(c, HAlign::Left, VAlign::Top);
  LeftItem(b, 0, r.Header(hf::SurveyNameCaption), r.Header(hf::SurveyName), {hf::SurveyName});
  NoItem(b, r);
  if (variant == HeadingVariant::TestTablePage)
    LeftItem(b, 2, Sjis("測定年月日"), HeadingDateText(r), date, kTablePageRight);
  else
    LeftItem(b, 2, Sjis("測定年月日"), HeadingDateText(r), date);

  switch (variant) {
    case HeadingVariant::TestGraphPage:
      LeftItem(b, 3, Sjis("土　質　名"), r.Header(hf::SoilName), {hf::SoilName}, kGraphPageRight);
      RightItem(b, kGraphPageRight, 3, Sjis("測定深度"), HeadingDepthText(r), {hf::TestDepth});
      LeftItem(b, 4, Sjis("Ｎ　　　値"), r.Header(hf::NValue), {hf::NValue});
      break;
    case HeadingVariant::TestTablePage:
      RightItem(b, kTablePageRight, 2, r.Header(hf::EngineerCaption), r.Header(hf::Engineer), {hf::Engineer});
      LeftItem(b, 3, Sjis("孔内水位"), HeadingWaterLevelText(r), {hf::WaterLevelPrefix, hf::BoreholeWaterLevel},
               kTablePageRight);
      RightItem(b, kTablePageRight, 3, Sjis("測定深度"), HeadingDepthText(r), {hf::TestDepth});
      StandpipeItem(c, r, 4, hf::StandpipeInitialLevel, kInitialLevelLabel);
      StandpipeItem(c, r, 5, hf::StandpipeInsertedLevel, kInsertedLevelLabel);
      DrawTextMm(c, kPressureOffsetX, RowY(5), PressureOffsetText(r, c.settings.DigitsPe));
      LeftItem(b, 6, Sjis("ポアソン比"), r.Header(hf::PoissonRatio), {hf::PoissonRatio});
      break;
    case HeadingVariant::Calibration:
      LeftItem(b, 3, r.Header(hf::EngineerCaption), r.Header(hf::Engineer), {hf::Engineer});
      StandpipeItem(c, r, 4, hf::StandpipeInitialLevel, kInitialLevelLabel);
      StandpipeItem(c, r, 5, hf::StandpipeInsertedLevel, kInsertedLevelLabel);
      break;
  }
  SetTextAlign(c, HAlign::Left, VAlign::Top);
}

}  // namespace vek
