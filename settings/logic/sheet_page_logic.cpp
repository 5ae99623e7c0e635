#include "settings/logic/sheet_page_logic.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "core/encoding.h"
#include "core/header_fields.h"

namespace vek {

namespace {

using namespace hf;

constexpr int kMaxStandardLeftMargin = 150;

struct RowFields {
  int prefix, page, suffix;
};
constexpr RowFields kRowFields[2] = {
    {GraphFooterPrefix, GraphFooterPage, GraphFooterSuffix},
    {TableFooterPrefix, TableFooterPage, TableFooterSuffix},
};

std::string IntText(int value) {
  char buf[16];
  std::snprintf(buf, sizeof buf, "%d", value);
  return buf;
}

SheetPageValues CopyIn(const Record& record) {
  SheetPageValues v;
  for (int i = 0; i < 2; ++i) {
    v.rows[i] = {record.Header(kRowFields[i].prefix), record.Header(kRowFields[i].page),
                 record.Header(kRowFields[i].suffix)};
  }
  v.vertical = std::atoi(record.Header(FooterVerticalMode).c_str()) != 0 ? FooterVertical::CompanyName
                                                                          : FooterVertical::PaperTop;
  v.horizontal = std::atoi(record.Header(FooterHorizontalMode).c_str()) != 0 ? FooterHorizontal::Centred
                                                                              : FooterHorizontal::PaperLeft;
  v.topMargin = record.Header(FooterTopMargin);
  v.nameOffset = record.Header(FooterNameOffset);
  v.leftMargin = record.Header(FooterLeftMargin);
  v.centreOffset = record.Header(FooterCentreOffset);
  return v;
}

void CopyBack(const SheetPageValues& v, Record& record) {
  for (int i = 0; i < 2; ++i) {
    record.Header(kRowFields[i].prefix) = v.rows[i].prefix;
    record.Header(kRowFields[i].page) = v.rows[i].page;
    record.Header(kRowFields[i].suffix) = v.rows[i].suffix;
  }
  record.Header(FooterVerticalMode) = IntText(static_cast<int>(v.vertical));
  record.Header(FooterTopMargin) = v.topMargin;
  record.Header(FooterNameOffset) = v.nameOffset;
  record.Header(FooterHorizontalMode) = IntText(static_cast<int>(v.horizontal));
  record.Header(FooterLeftMargin) = v.leftMargin;
  record.Header(FooterCentreOffset) = v.centreOffset;
}

// The "   <無し>" preset means no before-text at all; it must never reach the footer.
void ClearNonePreset(TextField& prefix) {
  static const std::string none = Sjis("<無し>");
  if (prefix.find(none) != std::string::npos) prefix.clear();
}

}  // namespace

SheetPageLogic::SheetPageLogic(Record& record, int sheet, PaperSizeMm paper)
    : record_(record), sheet_(sheet), paper_(paper), values_(CopyIn(record)) {
  values_.centreOffset = IntText(paper_.width / 2);
  if (values_.topMargin.empty() && values_.leftMargin.empty()) ApplyStandard();
  RefreshPreview(FooterRow::Graph);
  RefreshPreview(FooterRow::Table);
}

std::string SheetPageLogic::Caption() const {
  return sheet_ == kCalibrationSheet ? "CAL ページ設定" : "VEK ページ設定";
}

void SheetPageLogic::RefreshPreview(FooterRow row) {
  FooterRowTexts& texts = values_.rows[Index(row)];
  ClearNonePreset(texts.prefix);
  previews_[Index(row)] = texts.prefix + texts.page + texts.suffix;
}

void SheetPageLogic::PrefixListDropped(FooterRow row) {
  FooterRowTexts& texts = values_.rows[Index(row)];
  ClearNonePreset(texts.prefix);
  if (texts.suffix.empty()) {
    if (texts.prefix == "(") texts.suffix = ")";
    if (texts.prefix == "-") texts.suffix = "-";
  }
  RefreshPreview(row);
}

void SheetPageLogic::PlaceAtCompanyName() { values_.nameOffset = "0"; }

void SheetPageLogic::ApplyStandard() {
  values_.topMargin = IntText(UsablePaperHeight());
  values_.nameOffset = "5.0";
  values_.leftMargin = IntText(std::min(paper_.width / 2, kMaxStandardLeftMargin));
  values_.vertical = FooterVertical::CompanyName;
  values_.horizontal = FooterHorizontal::Centred;
}

bool SheetPageLogic::Commit(MessageSink& sink) {
  if (values_.vertical == FooterVertical::PaperTop &&
      std::atoi(values_.topMargin.c_str()) >= UsablePaperHeight()) {
    sink.Show(msg::FooterOffPaper, Cp932ToUtf8(values_.topMargin));
  }
  // A "<無し>" chosen just before OK would otherwise be printed as the before-text.
  for (FooterRowTexts& texts : values_.rows) ClearNonePreset(texts.prefix);
  const auto before = record_.HeaderFields;
  CopyBack(values_, record_);
  return record_.HeaderFields != before;
}

}  // namespace vek
