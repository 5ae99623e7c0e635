#pragma once
// Test rows as the reduction leaves them: pressure, the 15/30/60 s readings, Pe and r, for forms
// and graphs that work on analysable steps.
#include <string>

#include "core/number_format.h"
#include "core/record_store.h"
#include "three_piece_curve.h"  // same folder: also used from bench/

namespace vek::testing {

inline void FillReducedSteps(Record& test, const CurvePoints& curve) {
  for (size_t k = 0; k < curve.pe.size(); ++k) {
    const int row = static_cast<int>(k) + 1;
    test.Test(row, tf::Pressure) = FormatText("%g", curve.pe[k] + 20);
    test.Test(row, tf::Reading15) = FormatText("%.1f", 10.0 + row);
    test.Test(row, tf::Reading30) = FormatText("%.1f", 10.5 + row);
    test.Test(row, tf::Reading60) = FormatText("%.1f", 10.8 + row);
    test.Test(row, tf::Pe) = FormatText("%f", curve.pe[k]);
    test.Test(row, tf::R) = FormatText("%f", curve.r[k]);
  }
}

}  // namespace vek::testing
