#pragma once
// Number texts of the sheets and of the calculation text: the digits format table and the
// printf helpers. Everything goes through snprintf in the "C" numeric locale.
#include <cstddef>
#include <cstdio>
#include <string>
#include <string_view>

namespace vek {

// The number format for a digits setting: 0 "%4.0f", 1 "%4.1f", 2 "%4.2f", 3 "%4.3f", 4 "%5.4f",
// 5 "%6.5f", 6 "%6.6f". Settings above 6 use the entry for 6, negative ones the entry for 0.
const char* DigitsFormat(int digits);

// Empty text when `text` is not number-like (IsNumericText below 1); otherwise its leading decimal
// number (0 when there is none), times 0.01 when `hundredth` is set (centimetres shown in metres),
// printed with DigitsFormat(digits).
std::string FormatByDigits(std::string_view text, int digits, bool hundredth);

// snprintf into a text of any length. The format may be assembled at run time; the caller makes
// sure its conversions match the arguments.
template <typename... Args>
std::string FormatText(const char* fmt, Args... args) {
  char buf[128];
  const int n = std::snprintf(buf, sizeof buf, fmt, args...);
  if (n < 0) return {};
  if (static_cast<size_t>(n) < sizeof buf) return std::string(buf, static_cast<size_t>(n));
  std::string out(static_cast<size_t>(n) + 1, '\0');  // e.g. "%f" of a huge value
  std::snprintf(out.data(), out.size(), fmt, args...);
  out.resize(static_cast<size_t>(n));
  return out;
}

// snprintf of one double with a printf format holding one floating conversion ("%g", "%f", ...).
// The formats the computations use most ("%g", "%f", "%.4f", "%4.2f": an optional width, an
// optional precision, no flags, no other text) are formed with std::to_chars, which gives the very
// bytes snprintf gives in the "C" locale, without snprintf's cost; every other format, and a value
// that is not finite, goes through snprintf.
std::string FormatDouble(const char* fmt, double v);
// The same, and in `text_value` the value TextToDouble reads back from the text (formed without
// reading it where that gives the same double).
std::string FormatDouble(const char* fmt, double v, double& text_value);

// atof: the value strtod gives for the leading number of a text (blanks skipped), 0 when there is
// none. A plain decimal number is converted with std::from_chars, which rounds as strtod does; hex
// numbers, "inf", "nan" and values out of range go through strtod itself.
double TextToDouble(std::string_view text);
inline double TextToDouble(const std::string& text) { return TextToDouble(std::string_view(text)); }

// The longest leading decimal number of a text (blanks skipped, optional sign, digits, point,
// exponent), 0 when there is none. Unlike atof it never reads hexadecimal, "inf" or "nan".
double LeadingDecimal(std::string_view text);

}  // namespace vek
