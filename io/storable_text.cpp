#include "io/storable_text.h"

namespace vek {

namespace {

// CP932 trail bytes never take the values of CR, LF, ",", "\"" or "$" (all below 0x40), so a plain byte
// search cannot hit the second half of a double-byte character.
bool HasLineBreak(std::string_view text) { return text.find_first_of("\r\n") != std::string_view::npos; }

}  // namespace

bool IsStorableHeaderText(std::string_view cp932) {
  return !HasLineBreak(cp932) && cp932.find("$$") == std::string_view::npos;
}

bool IsStorableCellText(std::string_view cp932) {
  return !HasLineBreak(cp932) && cp932.find_first_of(",\"") == std::string_view::npos;
}

}  // namespace vek
