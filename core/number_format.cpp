#include "core/number_format.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <system_error>

#include "core/float_text.h"
#include "core/record_store.h"

namespace vek {

namespace {

constexpr const char* kDigitsFormats[] = {"%4.0f", "%4.1f", "%4.2f", "%4.3f", "%5.4f", "%6.5f", "%6.6f"};
constexpr int kMaxDigits = 6;

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f'; }

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// A format of the form "%[width][.precision]f" or "...g" without flags; false for any other.
struct SimpleFloatFormat {
  int width = 0;
  int precision = 6;
  bool general = false;
};

bool ParseSimpleFloatFormat(const char* fmt, SimpleFloatFormat& out) {
  if (fmt[0] != '%') return false;
  const char* p = fmt + 1;
  if (!IsDigit(*p) && *p != '.' && *p != 'f' && *p != 'g') return false;  // flags and the rest
  if (*p == '0') return false;                                              // zero padding
  int width = 0;
  for (; IsDigit(*p); ++p) width = width * 10 + (*p - '0');
  int precision = 6;
  if (*p == '.') {
    ++p;
    precision = 0;
    for (; IsDigit(*p); ++p) precision = precision * 10 + (*p - '0');
  }
  if ((*p != 'f' && *p != 'g') || p[1] != '\0' || width > 64 || precision > 64) return false;
  out = {width, precision, *p == 'g'};
  return true;
}

}  // namespace

namespace {

std::string FormatDoubleInto(const char* fmt, double v, double* text_value) {
  SimpleFloatFormat f;
  if (!std::isfinite(v) || !ParseSimpleFloatFormat(fmt, f)) {
    std::string text = FormatText(fmt, v);
    if (text_value) *text_value = TextToDouble(text);
    return text;
  }
  char buf[400];
  int n = WritePrintfExactly(v, f.precision, f.general, buf, text_value);
  if (n < 0 && text_value) {  // the text is right; its value is read back below
    n = WritePrintfExactly(v, f.precision, f.general, buf);
    if (n >= 0) *text_value = TextToDouble(std::string_view(buf, static_cast<size_t>(n)));
  }
  if (n < 0) {
    const auto format = f.general ? std::chars_format::general : std::chars_format::fixed;
    const auto [end, ec] = std::to_chars(buf, buf + sizeof buf, v, format, f.precision);
    if (ec != std::errc()) {
      std::string text = FormatText(fmt, v);
      if (text_value) *text_value = TextToDouble(text);
      return text;
    }
    n = static_cast<int>(end - buf);
    if (text_value) *text_value = TextToDouble(std::string_view(buf, static_cast<size_t>(n)));
  }
  if (n >= f.width) return std::string(buf, static_cast<size_t>(n));
  std::string text(static_cast<size_t>(f.width - n), ' ');
  text.append(buf, static_cast<size_t>(n));
  return text;
}

}  // namespace

std::string FormatDouble(const char* fmt, double v) { return FormatDoubleInto(fmt, v, nullptr); }

std::string FormatDouble(const char* fmt, double v, double& text_value) { return FormatDoubleInto(fmt, v, &text_value); }

double TextToDouble(std::string_view text) {
  size_t i = 0;
  while (i < text.size() && IsBlank(text[i])) ++i;
  bool negative = false;
  size_t start = i;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
    negative = text[i] == '-';
    ++i;
  }
  // A digit or a point must start the number; "0x" is a hexadecimal number for strtod.
  const bool plain = i < text.size() && (IsDigit(text[i]) || text[i] == '.') &&
                     !(text[i] == '0' && i + 1 < text.size() && (text[i + 1] == 'x' || text[i + 1] == 'X'));
  if (plain) {
    double value = 0.0;
    const auto [end, ec] = std::from_chars(text.data() + i, text.data() + text.size(), value);
    if (ec == std::errc()) return negative ? -value : value;
    if (ec == std::errc::invalid_argument) return 0.0;  // "." or "-.": no number
  }
  if (start >= text.size()) return 0.0;
  return std::strtod(std::string(text.substr(start)).c_str(), nullptr);
}

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
