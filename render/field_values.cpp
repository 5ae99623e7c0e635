#include "render/field_values.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <string>

namespace vek {

int FieldInt(std::string_view text) {
  const std::string s(text);
  errno = 0;
  const long v = std::strtol(s.c_str(), nullptr, 10);
  if (v > INT_MAX) return INT_MAX;
  if (v < INT_MIN) return INT_MIN;
  return static_cast<int>(v);
}

}  // namespace vek
