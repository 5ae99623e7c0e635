#pragma once
// The heading block at the top of every page: survey name, No., date and, by page, engineer, soil,
// depth, water levels, standpipe levels and Poisson's ratio. Drawn with block offset 0 and the
// heading font current; leaves alignment at left/top.
#include <string>

#include "render/page_placement.h"

namespace vek {

struct Record;

enum class HeadingVariant { TestGraphPage, TestTablePage, Calibration };

void DrawHeadingBlock(SheetCanvas& c, HeadingVariant variant, const Record& record);

// Value texts of the block (CP932), also shown elsewhere.
std::string HeadingDateText(const Record& record);
std::string HeadingDepthText(const Record& record);
std::string HeadingWaterLevelText(const Record& record);
std::string PressureOffsetText(const Record& record, int digits_pe);

}  // namespace vek
