#include "forms/logic/header_form.h"

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

HeaderFormLogic::HeaderFormLogic(RecordStore& store, const SheetSettings& settings, const Record& record,
                                 size_t engineerLineBytes)
    : store_(store), settings_(settings), fields_(record.HeaderFields) {
  if (fields_[hf::TableTitle].empty()) fields_[hf::TableTitle] = settings.SystemTableTitle;
  if (fields_[hf::GraphTitle].empty()) fields_[hf::GraphTitle] = settings.SystemGraphTitle;
  curveType_ = std::atoi(fields_[hf::CalCurveType].c_str());
  engineers_ = ReadListLines(MasterListHostPath(settings, MasterListKind::Engineers), engineerLineBytes);
}

void HeaderFormLogic::CopyBack(Record& record, std::span<const int> fields) const {
  for (int n : fields) record.Header(n) = fields_[n];
  record.Header(hf::CalCurveType).assign(1, curveType_ >= 1 ? '1' : '0');
}

}  // namespace vek
