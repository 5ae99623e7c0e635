#pragma once
// A full test record for the benchmarks: every header field filled, 120 steps of 12 values and a
// 40-row calibration copy, so that readers, writers and importers do their largest work.
#include <cstdio>
#include <string>

#include "core/record_store.h"

namespace vek::bench {

inline RecordStore FullTestRecord() {
  RecordStore s;
  for (int n = 1; n <= kHeaderFieldCount; ++n) s.test.Header(n) = "header field " + std::to_string(n);
  char buf[32];
  for (int r = 1; r <= kMaxTestRows; ++r) {
    for (int f = 1; f <= kTestFieldCount; ++f) {
      std::snprintf(buf, sizeof buf, "%g", r * 17.25 + f * 0.375);
      s.test.Test(r, f) = buf;
    }
  }
  for (int r = 1; r <= kMaxCalRows; ++r) {
    for (int f = 1; f <= kCalFieldCount; ++f) {
      std::snprintf(buf, sizeof buf, "%g", r * 5.5 + f);
      s.TestCalRows()[r][f] = buf;
    }
  }
  return s;
}

}  // namespace vek::bench
