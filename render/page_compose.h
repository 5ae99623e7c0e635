#pragma once
// The pages of both sheets: what each page contains and where, and the draw of the view's current
// page on any device (window, printer, preview, PDF, image).
#include <vector>

#include "render/heading_block.h"
#include "render/page_placement.h"
#include "render/view_state.h"

namespace vek {

class MessageSink;

enum class PageContent { Blank, CalGraph, CalTable, TestGraph, TestFormula, TestTable };

struct PageLayout {
  PageContent content = PageContent::Blank;
  int tableIndex = 0;  // TestTable: 1 on the first table page
};

// What page `page` of `sheet` holds; Blank for pages outside the sheet.
PageLayout PageLayoutOf(const RecordStore& store, const SheetSettings& s, int sheet, int page);

// Draws the view's current page of the store's current sheet. A change of sheet since the last
// draw first brings the view back to page 1.
void DrawCurrentPage(DrawDevice& device, const RecordStore& store, const SheetSettings& s,
                     ViewState& view, MessageSink& sink);

// Draws one page for printing, preview or export: the current page is set to `page` with the
// printing flag on for the draw, and both are put back afterwards, so the page shown on screen does
// not move.
void DrawPrintedPage(DrawDevice& device, const RecordStore& store, const SheetSettings& s,
                     ViewState& view, MessageSink& sink, int page);

// The page compositions, each on a prepared canvas (PrepareDraw done).
void ComposeTestGraphPage(SheetCanvas& c);
void ComposeTestFormulaPage(SheetCanvas& c);
void ComposeTestTablePage(SheetCanvas& c, int table_index);
void ComposeCalGraphPage(SheetCanvas& c);
void ComposeCalTablePage(SheetCanvas& c);

// The heading values of `record` that its sheet (`sheet`: kTestSheet, the graph page and the table
// pages; kCalibrationSheet, both pages) draws smaller than the heading font to fit them in their
// place, each once, as the pages draw their headings on `device`. The headings are drawn on the
// device, so it is one that only measures; one that measures text as the printer does, at the
// printer's resolution, gives the printed answer.
std::vector<HeadingFields> CondensedHeadingValues(DrawDevice& device, const SheetSettings& s, const Record& record,
                                                  int sheet);

}  // namespace vek
