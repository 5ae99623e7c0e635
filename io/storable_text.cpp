#include "io/storable_text.h"

namespace vek {

namespace {

// Neither CR, LF nor the comma occurs as the second byte of a double-byte CP932 character, so a
// byte search is exact.
bool HasLineBreak(std::string_view t) { return t.find_first_of("\r\n") != std::string_view::npos; }

}  // namespace

bool IsStorableHeaderText(std::string_view cp932) {
  return !HasLineBreak(cp932) && cp932.find("$$") == std::string_view::npos;
}

bool IsStorableCellText(std::string_view cp932) {
  return !HasLineBreak(cp932) && cp932.find(',') == std::string_view::npos;
}

}  // namespace vek
