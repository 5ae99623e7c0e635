#include "render/page_footer.h"

#include <cstdio>

#include "core/header_fields.h"
#include "core/number_format.h"
#include "core/record_store.h"
#include "render/field_values.h"
#include "render/primitives.h"

namespace vek {

namespace {
constexpr int kPageFontRole = 6;
}

std::string FooterText(const Record& record, FooterKind kind, int page_index) {
  if (kind == FooterKind::None) return {};
  const bool graph = kind == FooterKind::Graph;
  const TextField& prefix = record.Header(graph ? hf::GraphFooterPrefix : hf::TableFooterPrefix);
  const TextField& start = record.Header(graph ? hf::GraphFooterPage : hf::TableFooterPage);
  const TextField& suffix = record.Header(graph ? hf::GraphFooterSuffix : hf::TableFooterSuffix);
  if (IsNumericText(start) <= 0) return prefix + start + suffix;
  // Summed in long long so that a huge start page cannot overflow.
  const long long page = static_cast<long long>(FieldInt(start)) + page_index - 1;
  char number[32];
  std::snprintf(number, sizeof number, "%lld", page);
  return prefix + number + suffix;
}

void DrawPageFooter(SheetCanvas& c, SheetKind sheet, FooterKind kind, int page_index, double name_y) {
  const Record& record = sheet == SheetKind::Calibration ? c.store.calibration : c.store.test;
  PagePlacement& p = c.placement;
  const double saved_left = p.leftMargin;
  const double saved_top = p.topMargin;
  const double saved_offset = p.blockOffset;
  p.leftMargin = 0.0;
  p.topMargin = 0.0;

  SelectRoleFont(c, kPageFontRole, 0);
  const std::string text = FooterText(record, kind, page_index);
  if (!text.empty()) {
    double x;
    if (FieldInt(record.Header(hf::FooterHorizontalMode)) != 0) {
      SetTextAlign(c, HAlign::Centre, VAlign::Top);
      x = LeadingDecimal(record.Header(hf::FooterCentreOffset));
    } else {
      SetTextAlign(c, HAlign::Left, VAlign::Top);
      x = LeadingDecimal(record.Header(hf::FooterLeftMargin));
    }
    double y;
    if (FieldInt(record.Header(hf::FooterVerticalMode)) != 0) {
      p.topMargin = saved_top;
      y = LeadingDecimal(record.Header(hf::FooterNameOffset)) + name_y;
    } else {
      p.blockOffset = 0.0;
      y = LeadingDecimal(record.Header(hf::FooterTopMargin));
    }
    DrawTextMm(c, x, y, text);
    SetTextAlign(c, HAlign::Left, VAlign::Top);
    p.blockOffset = saved_offset;
  }
  p.leftMargin = saved_left;
  p.topMargin = saved_top;
}

}  // namespace vek
