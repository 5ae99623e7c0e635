#pragma once
// Typed or pasted numbers: a text that computation reads as a number must be one number and
// nothing else, so that "0,35" or "2a89" is refused instead of being read as 0 or 2.
#include <optional>
#include <string_view>

namespace vek {

// The whole text as a finite decimal number ("4", "-0.5", ".5", "1e3", blanks around it).
// nullopt for anything else, including a comma, hexadecimal, "inf" and "nan".
std::optional<double> ParseNumberEntry(std::string_view text);

}  // namespace vek
