#include "render/sheet_texts.h"

#include "core/encoding.h"
#include "core/sheet_settings.h"

namespace vek {

bool IsMetreUnit(const SheetSettings& settings) { return settings.LengthUnit == 1; }

std::string LengthUnitText(const SheetSettings& settings) {
  static const std::string cm = Sjis("ｃｍ");
  static const std::string m = Sjis("ｍ");
  return IsMetreUnit(settings) ? m : cm;
}

std::string PressureUnitText() {
  static const std::string unit = Sjis("kN/㎡");
  return unit;
}

}  // namespace vek
