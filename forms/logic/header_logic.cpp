#include "forms/logic/header_logic.h"

#include <algorithm>
#include <cstdlib>

#include "core/encoding.h"
#include "io/master_list.h"
#include "render/page_compose.h"

namespace vek {

std::span<const std::string> EraPresets() {
  static const std::string presets[] = {Sjis("令和"), Sjis("平成"), Sjis("昭和"), ""};
  return presets;
}

TextField WithGlSign(const TextField& text, bool* changed) {
  const bool sign = !text.empty() && IsNumericText(text) == 1 && text.find_first_of("+-") == TextField::npos;
  if (changed) *changed = sign;
  return sign ? "-" + text : text;
}

HeaderLogic::HeaderLogic(RecordStore& store, const SheetSettings& settings, int sheet,
                                 size_t engineerLineBytes)
    : copy_(store, sheet), store_(store), settings_(settings), sheet_(sheet) {
  Record& record = copy_.Copy();
  if (record.Header(hf::TableTitle).empty()) record.Header(hf::TableTitle) = settings.SystemTableTitle;
  if (record.Header(hf::GraphTitle).empty()) record.Header(hf::GraphTitle) = settings.SystemGraphTitle;
  curveType_ = std::atoi(record.Header(hf::CalCurveType).c_str());
  engineers_ = ReadListLines(MasterListHostPath(settings, MasterListKind::Engineers), engineerLineBytes);
}

std::string CondensedNotice(std::span<const std::string> labels) {
  if (labels.empty()) return {};
  std::string named;
  for (const std::string& label : labels) named += (named.empty() ? "「" : "、「") + label + "」";
  return named + "は印刷時に縮小されます";
}

bool HeaderLogic::IsFormField(int field) const {
  const std::span<const int> fields = FormFields();
  return std::find(fields.begin(), fields.end(), field) != fields.end();
}

void HeaderLogic::SetField(int n, TextField text) {
  if (IsFormField(n)) copy_.Copy().Header(n) = std::move(text);
}

std::vector<HeadingFields> HeaderLogic::CondensedValues(DrawDevice& device, std::span<const ShownField> shown) const {
  Record probe;  // the heading reads the header only
  probe.HeaderFields = copy_.Copy().HeaderFields;
  for (const ShownField& f : shown)
    if (IsFormField(f.field)) probe.Header(f.field) = f.text;
  ApplyAcceptRules(probe);
  std::vector<HeadingFields> values;
  for (HeadingFields& value : CondensedHeadingValues(device, settings_, probe, sheet_)) {
    std::erase_if(value, [this](int field) { return !IsFormField(field); });
    if (!value.empty()) values.push_back(std::move(value));
  }
  return values;
}

bool HeaderLogic::CommitCopy() {
  copy_.Copy().Header(hf::CalCurveType).assign(1, curveType_ >= 1 ? '1' : '0');
  return copy_.Commit();
}

}  // namespace vek
