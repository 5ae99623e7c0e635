#include "render/view_state.h"

#include "core/sheet_settings.h"

namespace vek {

namespace {
constexpr int kRowsPerTablePage = 40;
bool IsCalibration(int sheet) { return sheet == kCalibrationSheet; }
}  // namespace

int PageCount(const RecordStore& store, const SheetSettings& s, ViewState& view, int sheet) {
  if (IsCalibration(sheet)) {
    if (view.currentPage > 2) view.currentPage = 1;
    return 2;
  }
  int pages = store.CountDataRows(tf::Pressure) / kRowsPerTablePage + 2;
  if (s.FormulaPosition == kFormulaOwnPage) ++pages;
  return pages;
}

int FirstTablePage(const SheetSettings& s, int sheet) {
  return !IsCalibration(sheet) && s.FormulaPosition == kFormulaOwnPage ? 3 : 2;
}

void GoToNextPage(const RecordStore& store, const SheetSettings& s, ViewState& view) {
  if (view.printing) return;
  const int count = PageCount(store, s, view, store.currentSheet);
  if (view.currentPage > count) view.currentPage = 1;
  if (view.currentPage < count) ++view.currentPage;
}

void GoToPreviousPage(const RecordStore& store, const SheetSettings& s, ViewState& view) {
  if (view.printing) return;
  const int count = PageCount(store, s, view, store.currentSheet);
  if (view.currentPage > count) view.currentPage = 1;
  if (view.currentPage > 1) --view.currentPage;
}

void GoToGraphPage(ViewState& view) { view.currentPage = 1; }

void GoToTablePage(const RecordStore& store, const SheetSettings& s, ViewState& view) {
  view.currentPage = FirstTablePage(s, store.currentSheet);
}

}  // namespace vek
