#include "io/int_text.h"

#include <climits>
#include <cmath>
#include <cstdio>

namespace vek {

std::string TruncatedIntText(double value) {
  int v = 0;
  if (std::isnan(value)) {
    v = 0;
  } else if (value >= static_cast<double>(INT_MAX)) {
    v = INT_MAX;
  } else if (value <= static_cast<double>(INT_MIN)) {
    v = INT_MIN;
  } else {
    v = static_cast<int>(std::trunc(value));
  }
  char buf[16];
  std::snprintf(buf, sizeof buf, "%d", v);
  return buf;
}

}  // namespace vek
