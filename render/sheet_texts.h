#pragma once
// Small texts and switches shared by the sheet blocks.
#include <string>

namespace vek {

struct SheetSettings;

// LengthUnit 1 shows lengths (readings, dH, H, r, rm) in metres; anything else in centimetres.
bool IsMetreUnit(const SheetSettings& settings);
// "ｃｍ" or "ｍ" (CP932) by LengthUnit.
std::string LengthUnitText(const SheetSettings& settings);
// "kN/㎡" (CP932).
std::string PressureUnitText();

}  // namespace vek
