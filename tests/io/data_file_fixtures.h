#pragma once
// Records with every slot of a data file filled, for the round-trip and robustness tests.
#include <cstdio>
#include <string>

#include "core/cal_curve.h"
#include "core/encoding.h"
#include "core/messages.h"
#include "core/record_store.h"

namespace vek::testing {

inline std::string Num(const char* fmt, double v) {
  char buf[64];
  std::snprintf(buf, sizeof buf, fmt, v);
  return buf;
}

// Header fields 1-90 all non-empty: names with double-byte text (one whose trail byte is 0x5C),
// numbers, blanks, and a field ending in CR LF is avoided (it would not come back).
inline void FillHeader(Record& r) {
  for (int n = 1; n <= kHeaderFieldCount; ++n) {
    switch (n % 4) {
      case 0: r.Header(n) = Sjis("見出し表ソ") + std::to_string(n); break;
      case 1: r.Header(n) = Num("%g", n * 1.25); break;
      case 2: r.Header(n) = " " + std::to_string(n) + ",a\"b"; break;
      default: r.Header(n) = Sjis("調査 ") + std::to_string(n) + " ."; break;
    }
  }
  r.Header(hf::CalCurveType) = "1";
  r.Header(hf::StandpipeInitialLevel) = "2.5";
}

// 40 calibration rows of a plausible probe: P up to 2000 kN/m2, H' rising ever more slowly.
inline void FillCalRows(std::array<CalRow, kCalRowSlots>& rows, double h0) {
  for (int i = 1; i <= kMaxCalRows; ++i) {
    const double p = 50.0 * i;
    const double hp = h0 + 1.2 * i - 0.008 * i * i;
    rows[i][1] = Num("%g", p);
    rows[i][2] = Num("%g", hp);
    rows[i][3] = Num("%g", hp - h0);
  }
}

// A calibration record with every header field and 40 rows, its fields 25-29 as the fit writes them.
inline void FillFullCalibration(RecordStore& s) {
  FillHeader(s.calibration);
  FillCalRows(s.calibration.CalRows, 2.5);
  NullMessageSink quiet;
  FitCalRegression(s, 0, quiet);
}

// A test record with every header field, 120 rows of 12 fields and 40 calibration rows.
inline void FillFullTest(RecordStore& s) {
  FillHeader(s.test);
  for (int r = 1; r <= kMaxTestRows; ++r) {
    for (int f = 1; f <= kTestFieldCount; ++f) s.test.Test(r, f) = Num("%g", r * 10.0 + f * 0.125);
  }
  s.test.Test(7, 2) = "";  // empty fields inside a row stay empty
  s.test.Test(9, 12) = "";
  FillCalRows(s.TestCalRows(), 1.0);
}

inline bool SameRecord(const Record& a, const Record& b) {
  return a.HeaderFields == b.HeaderFields && a.CalRows == b.CalRows && a.TestRows == b.TestRows;
}

}  // namespace vek::testing
