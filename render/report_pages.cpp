#include "render/report_pages.h"

#include <algorithm>
#include <cmath>

#include "core/encoding.h"
#include "core/number_format.h"
#include "core/sheet_settings.h"
#include "render/primitives.h"
#include "render/summary_plot.h"

namespace vek {

namespace {

constexpr int kHeadingFont = 1;
constexpr int kTableFont = 2;
constexpr int kTitleFont = 5;
constexpr double kPointMm = 25.4 / 72.0;

// --- contents ----------------------------------------------------------------------------------

// Contents page geometry (mm): left and top margin, the body between the title and the foot.
constexpr double kContentsLeft = 20.0;
constexpr double kContentsTop = 15.0;
constexpr double kBodyTop = 18.0;
constexpr double kBodyBottom = 265.0;
constexpr double kContentsRight = 170.0;
// Columns of the test list: No., boring, depth, date, file, page (right-aligned at the right edge).
constexpr double kNoX = 0.0, kBoringX = 12.0, kDepthX = 40.0, kDateX = 62.0, kFileX = 96.0;

enum class LineKind { Blank, Survey, Heading, TestHeader, Test, Calibration, NoCalibration, Unreadable };
struct ContentsLine {
  LineKind kind;
  size_t index = 0;  // survey name, test, calibration or unreadable file; heading text
};
const char* const kHeadings[] = {"試験一覧", "キャリブレーション", "読み込めなかったファイル"};

double ContentsPitch(const SheetSettings& s) {
  return std::max(4.2, s.fonts[kTableFont - 1].size * kPointMm * 1.3);
}

std::vector<ContentsLine> ContentsLines(const ReportContents& r) {
  std::vector<ContentsLine> lines;
  for (size_t i = 0; i < r.surveyNames.size(); ++i) lines.push_back({LineKind::Survey, i});
  lines.push_back({LineKind::Blank});
  lines.push_back({LineKind::Heading, 0});
  lines.push_back({LineKind::TestHeader});
  for (size_t i = 0; i < r.tests.size(); ++i) lines.push_back({LineKind::Test, i});
  lines.push_back({LineKind::Blank});
  lines.push_back({LineKind::Heading, 1});
  if (r.calibrations.empty()) lines.push_back({LineKind::NoCalibration});
  for (size_t i = 0; i < r.calibrations.size(); ++i) lines.push_back({LineKind::Calibration, i});
  if (!r.unreadable.empty()) {
    lines.push_back({LineKind::Blank});
    lines.push_back({LineKind::Heading, 2});
    for (size_t i = 0; i < r.unreadable.size(); ++i) lines.push_back({LineKind::Unreadable, i});
  }
  return lines;
}

// The lines of each page. A page never starts with a blank line, a test line on a new page gets
// the column captions again, and a heading does not stay alone at the foot of a page.
std::vector<std::vector<ContentsLine>> ContentsPages(const ReportContents& r, const SheetSettings& s) {
  const size_t capacity = std::max<size_t>(4, static_cast<size_t>((kBodyBottom - kBodyTop) / ContentsPitch(s)));
  std::vector<std::vector<ContentsLine>> pages(1);
  for (const ContentsLine& line : ContentsLines(r)) {
    const size_t left = capacity - pages.back().size();
    const bool keepWithNext = line.kind == LineKind::Heading || line.kind == LineKind::TestHeader;
    if (left == 0 || (keepWithNext && left < 3)) pages.emplace_back();
    if (pages.back().empty() && line.kind == LineKind::Blank) continue;
    if (pages.back().empty() && line.kind == LineKind::Test) pages.back().push_back({LineKind::TestHeader});
    pages.back().push_back(line);
  }
  return pages;
}

TextField PageText(int page) { return page > 0 ? FormatText("%d", page) : TextField(); }

void DrawContentsLine(SheetCanvas& c, const ReportContents& r, const ContentsLine& line, double y) {
  const double h = CurrentFontHeightMm(c);
  const double top = y - 0.5 * h;
  auto right = [&](const TextField& text) {
    SetTextAlign(c, HAlign::Right, VAlign::Top);
    DrawTextMm(c, kContentsRight, top, text);
    SetTextAlign(c, HAlign::Left, VAlign::Top);
  };
  switch (line.kind) {
    case LineKind::Blank: break;
    case LineKind::Survey:
      DrawTextWithinMm(c, kNoX, top, kContentsRight, Sjis("調査名　") + r.surveyNames[line.index]);
      break;
    case LineKind::Heading: DrawTextMm(c, kNoX, top, Sjis(kHeadings[line.index])); break;
    case LineKind::TestHeader:
      DrawTextMm(c, kNoX, top, Sjis("No."));
      DrawTextMm(c, kBoringX, top, Sjis("ボーリング"));
      DrawTextMm(c, kDepthX, top, Sjis("深度"));
      DrawTextMm(c, kDateX, top, Sjis("測定年月日"));
      DrawTextMm(c, kFileX, top, Sjis("ファイル"));
      right(Sjis("頁"));
      DrawLineMm(c, kNoX, y + 0.5 * h + 0.4, kContentsRight, y + 0.5 * h + 0.4, PenStyle::Solid,
                 c.settings.RuleLineWidth, kBlack);
      break;
    case LineKind::Test: {
      const ReportTestLine& t = r.tests[line.index];
      DrawTextMm(c, kNoX, top, FormatText("%d", static_cast<int>(line.index + 1)));
      DrawTextWithinMm(c, kBoringX, top, kDepthX - 1.0, t.boringNo);
      DrawTextWithinMm(c, kDepthX, top, kDateX - 1.0, t.depth);
      DrawTextWithinMm(c, kDateX, top, kFileX - 1.0, t.date);
      DrawTextWithinMm(c, kFileX, top, kContentsRight - 10.0, t.file);
      right(PageText(t.page));
      break;
    }
    case LineKind::Calibration: {
      const ReportCalLine& cal = r.calibrations[line.index];
      DrawTextWithinMm(c, kBoringX, top, kContentsRight - 30.0, cal.name);
      right(cal.state == CalibrationState::Found     ? PageText(cal.page)
            : cal.state == CalibrationState::Missing ? Sjis("見つかりません")
                                                     : Sjis("読み込めません"));
      break;
    }
    case LineKind::NoCalibration: DrawTextMm(c, kBoringX, top, Sjis("（なし）")); break;
    case LineKind::Unreadable: DrawTextWithinMm(c, kBoringX, top, kContentsRight, r.unreadable[line.index]); break;
  }
}

// --- summary table -----------------------------------------------------------------------------

constexpr double kSummaryTableTop = 16.0;
constexpr double kSummaryCaptionSplit = 21.5;
constexpr double kSummaryRowsTop = 27.0;
constexpr double kSummaryBottomWithPlot = 150.0;
constexpr double kSummaryBottom = 268.0;
// The plot under the table: its panels start this far below the table (room for the axis names
// and value ticks) and end at the bottom of the full-page plot.
constexpr double kPlotBelowTableGap = 22.0;
constexpr SummaryPlotArea kFullPagePlot{};

struct SummaryColumn {
  double left, right;
  const char* caption;  // UTF-8
  const char* unit;
  TextField SummaryRow::*value;  // nullptr: the row number
};
const SummaryColumn kSummaryColumns[] = {
    {0, 9, "No.", "", nullptr},
    {9, 31, "ボーリング", "", &SummaryRow::boringNo},
    {31, 47, "深度", "m", &SummaryRow::depth},
    {47, 77, "測定年月日", "", &SummaryRow::date},
    {77, 94, "Po", "kN/㎡", &SummaryRow::po},
    {94, 111, "Py", "kN/㎡", &SummaryRow::py},
    {111, 128, "Pl", "kN/㎡", &SummaryRow::pl},
    {128, 145, "K", "MN/m3", &SummaryRow::k},
    {145, 162, "rm", "cm", &SummaryRow::rm},
    {162, 180, "E", "MN/㎡", &SummaryRow::e},
};

double SummaryPitch(const SheetSettings& s) {
  return std::max(3.6, s.fonts[kTableFont - 1].size * kPointMm * 1.15);
}

size_t RowsFitting(double bottom, const SheetSettings& s) {
  return std::max<size_t>(1, static_cast<size_t>((bottom - kSummaryRowsTop) / SummaryPitch(s)));
}

// Rows [first, last) of the table, framed, with captions and units; returns its bottom edge.
double DrawSummaryTable(SheetCanvas& c, const std::vector<SummaryRow>& rows, size_t first, size_t last) {
  const SheetSettings& s = c.settings;
  const double pitch = SummaryPitch(s);
  const double left = kSummaryColumns[0].left, right = std::end(kSummaryColumns)[-1].right;
  const double bottom = kSummaryRowsTop + pitch * static_cast<double>(last - first) + 1.0;
  const int frame = s.FrameLineWidth, rule = s.RuleLineWidth;
  DrawLineMm(c, left, kSummaryTableTop, right, kSummaryTableTop, PenStyle::Solid, frame, kBlack);
  DrawLineMm(c, left, bottom, right, bottom, PenStyle::Solid, frame, kBlack);
  DrawLineMm(c, left, kSummaryTableTop, left, bottom, PenStyle::Solid, frame, kBlack);
  DrawLineMm(c, right, kSummaryTableTop, right, bottom, PenStyle::Solid, frame, kBlack);
  DrawLineMm(c, left, kSummaryRowsTop, right, kSummaryRowsTop, PenStyle::Solid, rule, kBlack);
  SelectRoleFont(c, kTableFont);
  for (const SummaryColumn& col : kSummaryColumns) {
    if (col.right < right) DrawLineMm(c, col.right, kSummaryTableTop, col.right, bottom, PenStyle::Solid, rule, kBlack);
    DrawTextInRectMm(c, col.left, kSummaryTableTop, col.right, kSummaryCaptionSplit, Sjis(col.caption));
    DrawTextInRectMm(c, col.left, kSummaryCaptionSplit, col.right, kSummaryRowsTop, Sjis(col.unit));
  }
  for (size_t i = first; i < last; ++i) {
    const double y = kSummaryRowsTop + 0.5 + pitch * static_cast<double>(i - first);
    for (const SummaryColumn& col : kSummaryColumns) {
      const TextField text = col.value ? rows[i].*col.value : FormatText("%d", static_cast<int>(i + 1));
      DrawTextInRectMm(c, col.left, y, col.right, y + pitch, text);
    }
  }
  return bottom;
}

void DrawPageTitle(SheetCanvas& c, const TextField& title, const TextField& subtitle) {
  SelectRoleFont(c, kTitleFont);
  SetTextAlign(c, HAlign::Centre, VAlign::Top);
  DrawTextMm(c, 90.0, 0.0, title);
  SelectRoleFont(c, kHeadingFont);
  DrawTextMm(c, 90.0, 2.0 + RoleFontHeightMm(c, kTitleFont), subtitle);
  SetTextAlign(c, HAlign::Left, VAlign::Top);
}

TextField Continued(int index) { return index > 0 ? Sjis("（続き）") : TextField(); }

}  // namespace

TextField ReportTitle() { return Sjis("孔内水平載荷試験 報告書"); }

int ContentsPageCount(const ReportContents& contents, const SheetSettings& settings) {
  return static_cast<int>(ContentsPages(contents, settings).size());
}

void DrawContentsPage(SheetCanvas& c, const ReportContents& contents, int index) {
  const auto pages = ContentsPages(contents, c.settings);
  if (index < 0 || index >= static_cast<int>(pages.size())) return;
  c.placement.leftMargin = kContentsLeft;
  c.placement.topMargin = kContentsTop;
  c.placement.blockOffset = 0.0;
  size_t cals = 0;
  for (const ReportCalLine& cal : contents.calibrations) cals += cal.state == CalibrationState::Found;
  DrawPageTitle(c, ReportTitle() + Continued(index),
                Sjis(FormatText("試験 %d 件　キャリブレーション %d 件", static_cast<int>(contents.tests.size()),
                                static_cast<int>(cals))));
  SelectRoleFont(c, kTableFont);
  const double pitch = ContentsPitch(c.settings);
  double y = kBodyTop + 0.5 * pitch;
  for (const ContentsLine& line : pages[static_cast<size_t>(index)]) {
    DrawContentsLine(c, contents, line, y);
    y += pitch;
  }
}

int SummaryPageCount(size_t rows, const SheetSettings& settings) {
  if (rows <= RowsFitting(kSummaryBottomWithPlot, settings)) return 1;
  const size_t perPage = RowsFitting(kSummaryBottom, settings);
  return static_cast<int>((rows + perPage - 1) / perPage) + 1;
}

void DrawSummaryReportPage(SheetCanvas& c, const std::vector<SummaryRow>& rows, int index) {
  const int count = SummaryPageCount(rows.size(), c.settings);
  if (index < 0 || index >= count) return;
  UseSummaryMargins(c);
  DrawPageTitle(c, Sjis("孔内水平載荷試験 結果一覧") + Continued(index),
                Sjis(FormatText("試験 %d 件", static_cast<int>(rows.size()))));
  if (count == 1) {
    const double tableBottom = DrawSummaryTable(c, rows, 0, rows.size());
    DrawSummaryPlot(c, rows, {tableBottom + kPlotBelowTableGap, kFullPagePlot.panelBottom, kFullPagePlot.legendTop});
    return;
  }
  if (index == count - 1) {
    DrawSummaryPlot(c, rows, kFullPagePlot);
    return;
  }
  const size_t perPage = RowsFitting(kSummaryBottom, c.settings);
  const size_t first = perPage * static_cast<size_t>(index);
  DrawSummaryTable(c, rows, first, std::min(rows.size(), first + perPage));
}

}  // namespace vek
