#include "io/storable_text.h"

#include "io/data_file_lines.h"

namespace vek {

namespace {

// CP932 trail bytes never take the values of CR, LF, ",", "\"" or "$" (all below 0x40), so a plain byte
// search cannot hit the second half of a double-byte character.
bool HasLineBreak(std::string_view text) { return text.find_first_of("\r\n") != std::string_view::npos; }

bool HasSectionMark(std::string_view text) { return text.find("$$") != std::string_view::npos; }

// True when the text holds none of the bytes the rules below look at (CR, LF, ",", "\"", "$"): the
// case of nearly every value, settled in one pass over the text instead of one search per rule.
bool HoldsNoRuledByte(std::string_view text) {
  constexpr unsigned long long kRuled = (1ull << '\r') | (1ull << '\n') | (1ull << ',') | (1ull << '"') | (1ull << '$');
  for (const char ch : text) {
    const auto c = static_cast<unsigned char>(ch);
    if (c < 64 && ((kRuled >> c) & 1) != 0) return false;
  }
  return true;
}

}  // namespace

bool IsStorableHeaderText(std::string_view cp932) {
  if (cp932.size() > kLongestStoredLine) return false;
  return HoldsNoRuledByte(cp932) || (!HasLineBreak(cp932) && !HasSectionMark(cp932));
}

bool IsStorableCellText(std::string_view cp932) {
  if (cp932.size() > kLongestStoredLine) return false;
  return HoldsNoRuledByte(cp932) || (!HasLineBreak(cp932) && !HasSectionMark(cp932) &&
                                     cp932.find_first_of(",\"") == std::string_view::npos);
}

}  // namespace vek
