#include "core/number_format.h"

#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <system_error>

#include "core/record_store.h"

namespace vek {

namespace {

constexpr const char* kDigitsFormats[] = {"%4.0f", "%4.1f", "%4.2f", "%4.3f", "%5.4f", "%6.5f", "%6.6f"};
constexpr int kMaxDigits = 6;

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f'; }

}  // namespace

const char* DigitsFormat(int digits) {
  if (digits < 0) digits = 0;
  if (digits > kMaxDigits) digits = kMaxDigits;
  return kDigitsFormats[digits];
}

double LeadingDecimal(std::string_view text) {
  size_t i = 0;
  while (i < text.size() && IsBlank(text[i])) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
    negative = text[i] == '-';
    ++i;
  }
  // Only a digit or a point may start the number; from_chars would otherwise accept "inf"/"nan".
  if (i >= text.size() || !((text[i] >= '0' && text[i] <= '9') || text[i] == '.')) return 0.0;
  double value = 0.0;
  const char* first = text.data() + i;
  const auto [end, ec] = std::from_chars(first, text.data() + text.size(), value, std::chars_format::general);
  if (end == first) return 0.0;  // "." or ".e5": no digits
  // from_chars leaves the value alone when it is out of range; strtod gives HUGE_VAL or 0 as atof.
  if (ec == std::errc::result_out_of_range) value = std::strtod(std::string(first, end).c_str(), nullptr);
  return negative ? -value : value;
}

std::string FormatByDigits(std::string_view text, int digits, bool hundredth) {
  if (IsNumericText(text) <= 0) return {};
  double v = LeadingDecimal(text);
  if (hundredth) v *= 0.01;
  return FormatDouble(DigitsFormat(digits), v);
}

}  // namespace vek
