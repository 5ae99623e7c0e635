#include "core/number_entry.h"

#include <cmath>
#include <cstdlib>
#include <string>

namespace vek {

std::optional<double> ParseNumberEntry(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
  // Only decimal notation: strtod would also take hexadecimal, "inf" and "nan".
  bool sawDigit = false;
  for (char c : text) {
    if (c >= '0' && c <= '9') {
      sawDigit = true;
    } else if (c != '+' && c != '-' && c != '.' && c != 'e' && c != 'E') {
      return std::nullopt;
    }
  }
  if (!sawDigit) return std::nullopt;
  const std::string copy(text);
  char* end = nullptr;
  const double value = std::strtod(copy.c_str(), &end);
  if (end != copy.c_str() + copy.size() || !std::isfinite(value)) return std::nullopt;
  return value;
}

}  // namespace vek
