#pragma once
// "%d" text of a computed value truncated towards zero, for the header fields that hold whole numbers
// derived from other fields (scale ends and steps).
#include <string>

namespace vek {

// "%d" of the integer part of `value`. Values beyond the int range are clamped and a value that is
// not a number gives "0", so a field holding "1e300" or "nan" cannot make the conversion undefined.
std::string TruncatedIntText(double value);

}  // namespace vek
