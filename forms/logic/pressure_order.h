#pragma once
// The order a measurement grid's lines take on OK: ascending pressure, the first of equal ones
// first, with the report of the further lines of an equal pressure ("同じ圧力があります").
#include <string>
#include <vector>

#include "core/text_field.h"

namespace vek {

// The cells of one grid line, column 1 (the pressure P) first.
struct PressureLine {
  std::vector<TextField> cells;
};

struct PressureOrder {
  std::vector<PressureLine> lines;
  // Empty when no two lines share a pressure (within 1e-6); otherwise the message text (UTF-8) with
  // up to six lines " <P> m " and no more once it passed 299 bytes.
  std::string duplicateReport;
};

PressureOrder SortByPressure(std::vector<PressureLine> lines);

}  // namespace vek
