#include "io/storable_text.h"

#include "io/data_file_lines.h"

namespace vek {

namespace {

// CP932 trail bytes never take the values of CR, LF, ",", "\"" or "$" (all below 0x40), so a plain byte
// search cannot hit the second half of a double-byte character.
bool HasLineBreak(std::string_view text) { return text.find_first_of("\r\n") != std::string_view::npos; }

bool HasSectionMark(std::string_view text) { return text.find("$$") != std::string_view::npos; }

}  // namespace

bool IsStorableHeaderText(std::string_view cp932) {
  return cp932.size() <= kLongestStoredLine && !HasLineBreak(cp932) && !HasSectionMark(cp932);
}

bool IsStorableCellText(std::string_view cp932) {
  return cp932.size() <= kLongestStoredLine && !HasLineBreak(cp932) && !HasSectionMark(cp932) &&
         cp932.find_first_of(",\"") == std::string_view::npos;
}

}  // namespace vek
