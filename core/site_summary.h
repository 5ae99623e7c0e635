#pragma once
// The site summary: one row per test with the header values that place it (survey, boring, depth,
// date) and its analysis results, ordered by boring and depth, for a report that covers many tests.
#include <string>
#include <vector>

#include "core/record_store.h"

namespace vek {

struct SummaryRow {
  TextField file;  // CP932, the file's path as given
  // Texts exactly as stored (CP932).
  TextField surveyName, boringNo, depth, date;
  TextField po, py, pl, k, rm, e;
  TextField poStep, pyStep, plStep;
  TextField calFile;
  // For ordering and plotting: depth below ground in metres (the sign of the stored text dropped,
  // so "GL-8.5" written as -8.50 and as 8.50 land at the same place); none when not a number.
  bool hasDepth = false;
  double depthBelowGround = 0.0;
};

// The row of the test record `test`, read from the file named `file` (CP932).
SummaryRow MakeSummaryRow(const Record& test, const TextField& file);

// The test date as printed: era, year "年", month "月", day "日" (CP932); empty when none is set.
TextField DateText(const Record& record);

// Borings in natural order ("B-2" before "B-10"), within a boring by depth (tests without a depth
// last), then by file name.
void SortSummaryRows(std::vector<SummaryRow>& rows);
// The order of SortSummaryRows: true when `x` comes before `y`.
bool SummaryRowBefore(const SummaryRow& x, const SummaryRow& y);

// Natural order of two texts: runs of digits compare by their value, everything else byte by byte.
// Negative, zero or positive.
int CompareNatural(const std::string& a, const std::string& b);

}  // namespace vek
