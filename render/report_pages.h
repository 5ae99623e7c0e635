#pragma once
// The report's own pages around the sheets of its tests: the contents (survey names, every test
// with the page its sheet starts on, the calibrations used or missing, files that could not be
// read) and the site summary table with the E / Py / Pl–depth plot. Both run onto further pages
// when a site has more tests than one page holds; how many pages they take is known before
// drawing, so the contents can give every sheet's page.
#include <string>
#include <vector>

#include "core/site_summary.h"
#include "render/page_placement.h"

namespace vek {

struct SheetSettings;

// One test of the contents: where it was taken and the report page its sheet starts on.
struct ReportTestLine {
  TextField boringNo, depth, date, file;  // CP932; the file's name without its folder
  int page = 0;
};

enum class CalibrationState { Found, Missing, Unreadable };

// One calibration file: found (and on `page`), not found, or found but not readable.
struct ReportCalLine {
  TextField name;  // CP932: the file's name, or the name the tests give for one not found
  CalibrationState state = CalibrationState::Found;
  int page = 0;
};

struct ReportContents {
  std::vector<TextField> surveyNames;  // CP932, each once, in the order of the tests
  std::vector<ReportTestLine> tests;
  std::vector<ReportCalLine> calibrations;
  std::vector<TextField> unreadable;  // CP932 names of the inputs that could not be read
};

// Title of the report (first page, PDF title), CP932.
TextField ReportTitle();

// Pages the contents take (at least 1).
int ContentsPageCount(const ReportContents& contents, const SheetSettings& settings);
// Draws contents page `index` (0-based) on a prepared canvas (PrepareDraw done).
void DrawContentsPage(SheetCanvas& c, const ReportContents& contents, int index);

// Pages the summary takes: one page with the table above the plot while the table fits there;
// else table pages and the plot on a page of its own.
int SummaryPageCount(size_t rows, const SheetSettings& settings);
// Draws summary page `index` (0-based) of `rows` (sorted) on a prepared canvas.
void DrawSummaryReportPage(SheetCanvas& c, const std::vector<SummaryRow>& rows, int index);

}  // namespace vek
