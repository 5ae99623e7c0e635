#pragma once
// The heading block at the top of every page: survey name, No., date and, by page, engineer, soil,
// depth, water levels, standpipe levels and Poisson's ratio. Drawn with block offset 0 and the
// heading font current; leaves alignment at left/top.
#include <string>
#include <vector>

#include "render/page_placement.h"

namespace vek {

struct Record;

enum class HeadingVariant { TestGraphPage, TestTablePage, Calibration };

// The header fields one heading value is printed from: one field, or those of a joined value (the
// date: era, year, month, day; the borehole water level: its prefix and the level).
using HeadingFields = std::vector<int>;

// With `condensed`, every value the block had to draw smaller than the heading font to end inside
// its place is added to it, each value once, in the order the block draws them.
void DrawHeadingBlock(SheetCanvas& c, HeadingVariant variant, const Record& record,
                      std::vector<HeadingFields>* condensed = nullptr);

// Value texts of the block (CP932), also shown elsewhere.
std::string HeadingDateText(const Record& record);
std::string HeadingDepthText(const Record& record);
std::string HeadingWaterLevelText(const Record& record);
std::string PressureOffsetText(const Record& record, int digits_pe);

}  // namespace vek
