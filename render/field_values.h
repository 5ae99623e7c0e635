#pragma once
// Reading numbers out of text fields for drawing decisions.
#include <string_view>

namespace vek {

// Integer value as atoi reads it (leading blanks, sign, decimal digits), but clamped to the int
// range instead of overflowing; 0 when the text does not start with a number.
int FieldInt(std::string_view text);

}  // namespace vek
