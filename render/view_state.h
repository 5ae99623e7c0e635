#pragma once
// Which page of which sheet the view shows, and how many pages a sheet has. The app's view owns one
// ViewState; printing and export set the current page for each page they draw and put it back.
#include "core/record_store.h"

namespace vek {

struct SheetSettings;

struct ViewState {
  int currentPage = 1;                     // 1-based page of the current sheet
  int lastDrawnSheet = kCalibrationSheet;  // sheet of the previous draw
  bool printing = false;                   // set while a page is printed, previewed or exported
  int paperWidthMm = 210;                  // physical page of the printer (or export paper): A4
  int paperHeightMm = 297;                 // until a printer or a paper is chosen
};

constexpr int kFormulaOwnPage = 2;  // FormulaPosition: the formula lines on a page of their own

// Pages of a sheet: 2 for the calibration sheet (which also brings a current page above 2 back to
// 1); for the test sheet one graph page, the formula page when it has its own page, and one table
// page per started block of 40 filled rows (at least one).
int PageCount(const RecordStore& store, const SheetSettings& s, ViewState& view, int sheet);

// First data-table page of a sheet: 3 on the test sheet with a formula page, else 2.
int FirstTablePage(const SheetSettings& s, int sheet);

// Page navigation of the view. Next and previous do nothing while printing; a current page beyond
// the page count goes back to 1 first; neither wraps around.
void GoToNextPage(const RecordStore& store, const SheetSettings& s, ViewState& view);
void GoToPreviousPage(const RecordStore& store, const SheetSettings& s, ViewState& view);
void GoToGraphPage(ViewState& view);
void GoToTablePage(const RecordStore& store, const SheetSettings& s, ViewState& view);

}  // namespace vek
