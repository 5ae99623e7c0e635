#include "forms/logic/header_logic.h"

#include <cstdlib>

#include "core/encoding.h"
#include "io/master_list.h"

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
    : copy_(store, sheet), store_(store), settings_(settings) {
  Record& record = copy_.Copy();
  if (record.Header(hf::TableTitle).empty()) record.Header(hf::TableTitle) = settings.SystemTableTitle;
  if (record.Header(hf::GraphTitle).empty()) record.Header(hf::GraphTitle) = settings.SystemGraphTitle;
  curveType_ = std::atoi(record.Header(hf::CalCurveType).c_str());
  engineers_ = ReadListLines(MasterListHostPath(settings, MasterListKind::Engineers), engineerLineBytes);
}

void HeaderLogic::SetField(int n, TextField text) {
  for (int field : FormFields()) {
    if (field == n) copy_.Copy().Header(n) = std::move(text);
  }
}

bool HeaderLogic::CommitCopy() {
  copy_.Copy().Header(hf::CalCurveType).assign(1, curveType_ >= 1 ? '1' : '0');
  return copy_.Commit();
}

}  // namespace vek
