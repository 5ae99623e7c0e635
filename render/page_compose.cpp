#include "render/page_compose.h"

#include <span>

#include "core/messages.h"
#include "core/record_store.h"
#include "core/sheet_settings.h"
#include "render/cal_sheet.h"
#include "render/data_table.h"
#include "render/heading_block.h"
#include "render/page_footer.h"
#include "render/primitives.h"
#include "render/results_table.h"
#include "render/result_graph.h"

namespace vek {

namespace {

// Role fonts.
constexpr int kHeadingFont = 1;
constexpr int kTableFont = 2;
constexpr int kGraphFont = 3;
constexpr int kResultFont = 4;
constexpr int kTitleFont = 5;

// Block offsets (mm below the top margin) of the blocks under the heading.
constexpr double kTestGraphOffset = 63.0;
constexpr double kTestTableOffset = 44.0;
constexpr double kCalGraphOffset = 46.0;
constexpr double kCalTableOffset = 45.0;

// Every composition remembers the device's font, works in the heading font first, and at the end
// puts the remembered font back and the margins back to the graph-page pair.
class CompositionScope {
 public:
  explicit CompositionScope(SheetCanvas& c) : c_(c) {
    c_.device.SaveFont();
    SelectRoleFont(c_, kHeadingFont);
    hd_ = RoleFontHeightMm(c_, kHeadingFont);
  }
  ~CompositionScope() {
    c_.device.RestoreFont();
    UseMargins(c_, MarginKind::Graph);
  }
  CompositionScope(const CompositionScope&) = delete;
  CompositionScope& operator=(const CompositionScope&) = delete;
  // Heading font height in mm.
  double hd() const { return hd_; }

 private:
  SheetCanvas& c_;
  double hd_ = 0.0;
};

// Where a page draws its heading: the margins of its kind of page and the heading variant.
struct PageHeading {
  MarginKind margins;
  HeadingVariant variant;
};
constexpr PageHeading kTestGraphHeading{MarginKind::Graph, HeadingVariant::TestGraphPage};
constexpr PageHeading kTestTableHeading{MarginKind::Table, HeadingVariant::TestTablePage};
constexpr PageHeading kCalGraphHeading{MarginKind::Graph, HeadingVariant::Calibration};
constexpr PageHeading kCalTableHeading{MarginKind::Table, HeadingVariant::Calibration};

// The headings of every page of a sheet that has one (the test's formula page has none).
constexpr PageHeading kTestHeadings[] = {kTestGraphHeading, kTestTableHeading};
constexpr PageHeading kCalHeadings[] = {kCalGraphHeading, kCalTableHeading};

// The page's margins, block offset 0, the heading block (the heading font current).
void DrawPageHeading(SheetCanvas& c, const PageHeading& heading, const Record& record,
                     std::vector<HeadingFields>* condensed = nullptr) {
  UseMargins(c, heading.margins);
  c.placement.blockOffset = 0.0;
  DrawHeadingBlock(c, heading.variant, record, condensed);
}

void DrawCompanyName(SheetCanvas& c, const Record& record, double x, double y) {
  SetTextAlign(c, HAlign::Right, VAlign::Top);
  DrawTextMm(c, x, y, record.Header(hf::CompanyName));
}

void DrawTitle(SheetCanvas& c, const Record& record, int field) {
  c.placement.blockOffset = 0.0;
  SelectRoleFont(c, kTitleFont);
  SetTextAlign(c, HAlign::Centre, VAlign::Top);
  DrawTextMm(c, 90.0, 1.0, record.Header(field));
  SetTextAlign(c, HAlign::Left, VAlign::Top);
}

}  // namespace

PageLayout PageLayoutOf(const RecordStore& store, const SheetSettings& s, int sheet, int page) {
  if (sheet == kCalibrationSheet) {
    if (page == 1) return {PageContent::CalGraph, 0};
    if (page == 2) return {PageContent::CalTable, 0};
    return {};
  }
  if (page == 1) return {PageContent::TestGraph, 0};
  const int first_table = FirstTablePage(s, sheet);
  if (first_table == 3 && page == 2) return {PageContent::TestFormula, 0};
  const int last_table = first_table + store.CountDataRows(tf::Pressure) / 40;
  if (page >= first_table && page <= last_table) return {PageContent::TestTable, page - first_table + 1};
  return {};
}

void ComposeTestGraphPage(SheetCanvas& c) {
  const Record& test = c.store.test;
  CompositionScope scope(c);
  const double name_y = 165.0 + 3.5 * scope.hd();
  DrawPageHeading(c, kTestGraphHeading, test);
  DrawResultsTable(c, scope.hd());

  c.placement.blockOffset = kTestGraphOffset;
  DrawCompanyName(c, test, 166.0, name_y);
  DrawPageFooter(c, SheetKind::Test, FooterKind::Graph, 1, name_y);
  SelectRoleFont(c, kGraphFont);
  DrawTestGraph(c, RoleFontHeightMm(c, kGraphFont));

  DrawTitle(c, test, hf::GraphTitle);
}

void ComposeTestFormulaPage(SheetCanvas& c) {
  const Record& test = c.store.test;
  CompositionScope scope(c);
  UseMargins(c, MarginKind::Formula);
  c.placement.blockOffset = kTestGraphOffset;
  DrawPageFooter(c, SheetKind::Test, FooterKind::Graph, 2, 165.0 + 3.5 * scope.hd());
  SelectRoleFont(c, kResultFont);
  SetTextAlign(c, HAlign::Left, VAlign::Top);
  DrawFormulaLines(c, 60.0, 20.0, 60.0);

  DrawTitle(c, test, hf::FormulaTitle);
}

void ComposeTestTablePage(SheetCanvas& c, int table_index) {
  const Record& test = c.store.test;
  CompositionScope scope(c);
  const double name_y = 190.0 + 1.5 * scope.hd();
  DrawPageHeading(c, kTestTableHeading, test);

  c.placement.blockOffset = kTestTableOffset;
  DrawCompanyName(c, test, 175.0, name_y);
  DrawPageFooter(c, SheetKind::Test, FooterKind::Table, table_index, name_y);
  SelectRoleFont(c, kTableFont);
  DrawTestDataTable(c, RoleFontHeightMm(c, kTableFont), table_index);

  DrawTitle(c, test, hf::TableTitle);
}

void ComposeCalGraphPage(SheetCanvas& c) {
  const Record& cal = c.store.calibration;
  CompositionScope scope(c);
  const double name_y = 165.0 + 3.5 * scope.hd();
  DrawPageHeading(c, kCalGraphHeading, cal);

  c.placement.blockOffset = kCalGraphOffset;
  DrawCompanyName(c, cal, 166.0, name_y);
  DrawPageFooter(c, SheetKind::Calibration, FooterKind::Graph, 1, name_y);
  SelectRoleFont(c, kGraphFont);
  DrawCalGraph(c, RoleFontHeightMm(c, kGraphFont));

  DrawTitle(c, cal, hf::GraphTitle);
}

void ComposeCalTablePage(SheetCanvas& c) {
  const Record& cal = c.store.calibration;
  CompositionScope scope(c);
  const double name_y = 190.0 + 1.5 * scope.hd();
  DrawPageHeading(c, kCalTableHeading, cal);

  c.placement.blockOffset = kCalTableOffset;
  DrawCompanyName(c, cal, 175.0, name_y);
  DrawPageFooter(c, SheetKind::Calibration, FooterKind::Table, 1, name_y);
  SelectRoleFont(c, kTableFont);
  DrawCalTable(c, RoleFontHeightMm(c, kTableFont));

  DrawTitle(c, cal, hf::TableTitle);
}

std::vector<HeadingFields> CondensedHeadingValues(DrawDevice& device, const SheetSettings& s, const Record& record,
                                                  int sheet) {
  static const RecordStore kNoRecords;  // the heading reads only the record it is given
  NullMessageSink quiet;
  SheetCanvas canvas(device, s, kNoRecords, quiet);
  PrepareDraw(canvas);
  std::vector<HeadingFields> condensed;
  using Headings = std::span<const PageHeading>;
  const Headings headings = sheet == kCalibrationSheet ? Headings(kCalHeadings) : Headings(kTestHeadings);
  for (const PageHeading& heading : headings) {
    CompositionScope scope(canvas);  // each page starts its heading alike
    DrawPageHeading(canvas, heading, record, &condensed);
  }
  device.EndDraw();
  return condensed;
}

void DrawCurrentPage(DrawDevice& device, const RecordStore& store, const SheetSettings& s,
                     ViewState& view, MessageSink& sink) {
  SheetCanvas canvas(device, s, store, sink);
  PrepareDraw(canvas);
  const int sheet = store.currentSheet == kCalibrationSheet ? kCalibrationSheet : kTestSheet;
  if (sheet != view.lastDrawnSheet) {
    view.currentPage = 1;
    view.lastDrawnSheet = sheet;
  }
  const PageLayout page = PageLayoutOf(store, s, sheet, view.currentPage);
  switch (page.content) {
    case PageContent::Blank: break;
    case PageContent::CalGraph: ComposeCalGraphPage(canvas); break;
    case PageContent::CalTable: ComposeCalTablePage(canvas); break;
    case PageContent::TestGraph: ComposeTestGraphPage(canvas); break;
    case PageContent::TestFormula: ComposeTestFormulaPage(canvas); break;
    case PageContent::TestTable: ComposeTestTablePage(canvas, page.tableIndex); break;
  }
  device.EndDraw();
}

void DrawPrintedPage(DrawDevice& device, const RecordStore& store, const SheetSettings& s,
                     ViewState& view, MessageSink& sink, int page) {
  // A sheet changed since the last draw would send the draw back to page 1; the screen goes there
  // at its next paint anyway, so settle that first and then draw the page asked for.
  const int sheet = store.currentSheet == kCalibrationSheet ? kCalibrationSheet : kTestSheet;
  if (sheet != view.lastDrawnSheet) {
    view.currentPage = 1;
    view.lastDrawnSheet = sheet;
  }
  const int saved = view.currentPage;
  view.printing = true;
  view.currentPage = page;
  DrawCurrentPage(device, store, s, view, sink);
  view.printing = false;
  view.currentPage = saved;
}

}  // namespace vek
