#pragma once
// The page-number line at the foot (or top) of every page, from the footer fields of a record.
#include <string>

#include "render/page_placement.h"

namespace vek {

struct Record;

enum class SheetKind { Calibration, Test };
enum class FooterKind { None, Graph, Table };

// CP932 footer text for the page: prefix + page number + suffix (or + start-page text when the
// start page is not a number). Empty for FooterKind::None.
std::string FooterText(const Record& record, FooterKind kind, int page_index);

// Draws the footer of the calibration or test record. name_y is the sheet y (in the caller's block
// offset) of the survey-company name, which the footer follows in "from name" mode. Margins, block
// offset are left as they were; alignment ends at left/top; role font 6 stays current.
void DrawPageFooter(SheetCanvas& c, SheetKind sheet, FooterKind kind, int page_index, double name_y);

}  // namespace vek
