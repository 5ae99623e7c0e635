#include "core/site_summary.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "core/encoding.h"

namespace vek {

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

TextField DateText(const Record& record) {
  const TextField& year = record.Header(hf::DateYear);
  const TextField& month = record.Header(hf::DateMonth);
  const TextField& day = record.Header(hf::DateDay);
  if (year.empty() && month.empty() && day.empty()) return {};
  static const TextField kYear = Sjis("年"), kMonth = Sjis("月"), kDay = Sjis("日");
  return record.Header(hf::DateEra) + year + kYear + month + kMonth + day + kDay;
}

SummaryRow MakeSummaryRow(const Record& test, const TextField& file) {
  SummaryRow row;
  row.file = file;
  row.surveyName = test.Header(hf::SurveyName);
  row.boringNo = test.Header(hf::BoringNo);
  row.depth = test.Header(hf::TestDepth);
  row.date = DateText(test);
  row.po = test.Header(hf::Po);
  row.py = test.Header(hf::PyNet);
  row.pl = test.Header(hf::PlNet);
  row.k = test.Header(hf::KValue);
  row.rm = test.Header(hf::MeanRadius);
  row.e = test.Header(hf::EModulus);
  row.poStep = test.Header(hf::PoPoint);
  row.pyStep = test.Header(hf::PyPoint);
  row.plStep = test.Header(hf::PlPoint);
  row.calFile = test.Header(hf::CalFileName);
  if (IsNumericText(row.depth) > 0) {
    const double d = std::atof(row.depth.c_str());
    row.hasDepth = std::isfinite(d);
    row.depthBelowGround = row.hasDepth ? std::abs(d) : 0.0;
  }
  return row;
}

int CompareNatural(const std::string& a, const std::string& b) {
  size_t i = 0, j = 0;
  while (i < a.size() && j < b.size()) {
    if (IsDigit(a[i]) && IsDigit(b[j])) {
      // Compare the digit runs by value: skip leading zeros, then the longer run is larger.
      size_t ie = i, je = j;
      while (ie < a.size() && IsDigit(a[ie])) ++ie;
      while (je < b.size() && IsDigit(b[je])) ++je;
      size_t is = i, js = j;
      while (is + 1 < ie && a[is] == '0') ++is;
      while (js + 1 < je && b[js] == '0') ++js;
      if (ie - is != je - js) return ie - is < je - js ? -1 : 1;
      if (const int c = a.compare(is, ie - is, b, js, je - js); c != 0) return c < 0 ? -1 : 1;
      i = ie;
      j = je;
      continue;
    }
    const auto ca = static_cast<unsigned char>(a[i]), cb = static_cast<unsigned char>(b[j]);
    if (ca != cb) return ca < cb ? -1 : 1;
    ++i;
    ++j;
  }
  if (i < a.size()) return 1;
  if (j < b.size()) return -1;
  return 0;
}

bool SummaryRowBefore(const SummaryRow& x, const SummaryRow& y) {
  if (const int c = CompareNatural(x.boringNo, y.boringNo); c != 0) return c < 0;
  if (x.hasDepth != y.hasDepth) return x.hasDepth;
  if (x.depthBelowGround != y.depthBelowGround) return x.depthBelowGround < y.depthBelowGround;
  return CompareNatural(x.file, y.file) < 0;
}

void SortSummaryRows(std::vector<SummaryRow>& rows) { std::stable_sort(rows.begin(), rows.end(), SummaryRowBefore); }

}  // namespace vek
