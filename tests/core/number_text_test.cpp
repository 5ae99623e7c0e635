// FormatDouble and TextToDouble take shortcuts past snprintf and strtod; over many values they must
// give exactly what the C library gives (bytes of the text, bits of the double).
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "core/number_format.h"

namespace vek {
namespace {

std::string Snprintf(const char* fmt, double v) {
  char buf[512];
  std::snprintf(buf, sizeof buf, fmt, v);
  return buf;
}

bool SameBits(double a, double b) { return std::memcmp(&a, &b, sizeof a) == 0 || (std::isnan(a) && std::isnan(b)); }

// Values of every kind the records meet: whole numbers, halves and other ties at every decimal
// place, readings with one or two decimals, wide-ranging magnitudes, subnormals and extremes.
std::vector<double> ManyValues() {
  std::mt19937_64 rng(20261208);
  std::vector<double> v = {0.0, -0.0, 0.5, 1.5, 2.5, -2.5, 0.125, 0.0005, 1e-5, 1e-4, 999999.5, 1e6, 1e15, 1e16,
                           1e21, 1e300, -1e300, 5e-324, 2.2250738585072014e-308, 1.7976931348623157e308,
                           0.1, 0.2, 0.3, 4.35, 2.675, 1.005, 9999.995, -9999.99, 0.045, 123456.5,
                           std::nextafter(0.5, 1.0), std::nextafter(0.5, 0.0)};
  std::uniform_real_distribution<double> unit(-1.0, 1.0);
  std::uniform_int_distribution<int> exp10(-12, 18);
  std::uniform_int_distribution<long long> whole(-2000000, 2000000);
  std::uniform_int_distribution<uint64_t> bits;
  for (int i = 0; i < 15000; ++i) {
    v.push_back(unit(rng) * std::pow(10.0, exp10(rng)));
    v.push_back(static_cast<double>(whole(rng)) / 1000.0);  // typed readings: 1234.567
    v.push_back(static_cast<double>(whole(rng)) / 8.0);     // exact ties at several places
    v.push_back(static_cast<double>(whole(rng)) + 0.5);
    uint64_t b = bits(rng);
    double any;
    std::memcpy(&any, &b, sizeof any);
    if (std::isfinite(any)) v.push_back(any);
  }
  return v;
}

TEST(FormatDouble, GivesTheBytesOfSnprintfForEveryFormatInUse) {
  const char* formats[] = {"%g",   "%f",   "%.4f", "%.2f", "%.1f", "%.0f", "%4.0f", "%4.1f", "%4.2f", "%4.3f",
                           "%5.4f", "%6.5f", "%6.6f", "%2.2f", "%.10g", "%.0g", "%12g", "%20.3f"};
  const std::vector<double> values = ManyValues();
  for (const char* fmt : formats) {
    int mismatches = 0;
    for (double v : values) {
      const std::string expected = Snprintf(fmt, v);
      if (FormatDouble(fmt, v) != expected && ++mismatches <= 5)
        ADD_FAILURE() << fmt << " of " << Snprintf("%.17g", v) << ": " << FormatDouble(fmt, v) << " != " << expected;
    }
  }
}

TEST(FormatDouble, HandsOverTheValueItsTextReadsBackAs) {
  const std::vector<double> values = ManyValues();
  for (const char* fmt : {"%g", "%f", "%.4f", "%4.2f", "%.10g", "%e"}) {
    int mismatches = 0;
    for (double v : values) {
      double text_value = 12345.0;
      const std::string text = FormatDouble(fmt, v, text_value);
      const double expected = std::strtod(text.c_str(), nullptr);
      if ((text != Snprintf(fmt, v) || !SameBits(text_value, expected)) && ++mismatches <= 5)
        ADD_FAILURE() << fmt << " of " << Snprintf("%.17g", v) << ": " << text << " read back as "
                      << Snprintf("%.17g", text_value) << ", strtod gives " << Snprintf("%.17g", expected);
    }
  }
}

TEST(FormatDouble, OtherFormatsAndValuesStillFollowSnprintf) {
  const char* formats[] = {"%-6.1f|", "%+g", "% f", "%06.2f", "%e", "GL. %.2f", "%5.1f%%", "%G", "%a"};
  const double values[] = {0.0, -0.0, 1.25, -13.5, 1e300, NAN, -NAN, INFINITY, -INFINITY};
  for (const char* fmt : formats)
    for (double v : values) EXPECT_EQ(FormatDouble(fmt, v), Snprintf(fmt, v)) << fmt << " " << v;
  for (const char* fmt : {"%g", "%f", "%4.2f"})
    for (double v : {NAN, -NAN, INFINITY, -INFINITY}) EXPECT_EQ(FormatDouble(fmt, v), Snprintf(fmt, v)) << fmt;
}

// Texts as they come from the files and forms, and the odd ones strtod reads in its own way.
std::vector<std::string> ManyTexts() {
  std::vector<std::string> t = {"", " ", "-", "+", ".", "-.", "+.5", "5.", "  12.5abc", "\t-0", "1e", "1e+",
                                "1e-", "1E5", "1e400", "-1e400", "1e-400", "4.9e-324", "2.4e-324", "0x1A", "-0X1p3",
                                "0x", "00x1", "inf", "-INF", "infinity", "nan", "nan(123)", "1,5", "1.5,2",
                                "\xef\xbc\x91", "0000000000000000000000001.25", "12345678901234567890123",
                                "0.30000000000000004441", "1.00000000000000011102230246251565404236316680908203125",
                                "2.2250738585072011e-308", "1.7976931348623158e308", "\v\f\r\n7"};
  for (double v : ManyValues()) {
    t.push_back(Snprintf("%g", v));
    t.push_back(Snprintf("%.17g", v));
    t.push_back(Snprintf("%f", v));
  }
  std::mt19937 rng(7);
  const std::string alphabet = "0123456789.eE+- x";
  std::uniform_int_distribution<size_t> pick(0, alphabet.size() - 1), length(1, 30);
  for (int i = 0; i < 50000; ++i) {
    std::string s;
    for (size_t n = length(rng); n > 0; --n) s += alphabet[pick(rng)];
    t.push_back(s);
  }
  return t;
}

// The C library's reading of a number. The msvcrt runtime of a MinGW build reads no hex, inf or
// nan; the runtime's own C99 reader stands in there, which differs from glibc only in the sign of
// a zero read from a text that is no number.
#if defined(__MINGW32__) && !defined(_UCRT)
double CAtof(const std::string& text) { return __mingw_strtod(text.c_str(), nullptr); }
bool SameReading(double a, double b) { return SameBits(a, b) || (a == 0 && b == 0); }
#else
double CAtof(const std::string& text) { return std::atof(text.c_str()); }
bool SameReading(double a, double b) { return SameBits(a, b); }
#endif

TEST(TextToDouble, GivesTheDoubleOfAtofForEveryText) {
  int mismatches = 0;
  for (const std::string& text : ManyTexts()) {
    const double expected = CAtof(text);
    if (!SameReading(TextToDouble(text), expected) && ++mismatches <= 10)
      ADD_FAILURE() << "\"" << text << "\": " << Snprintf("%.17g", TextToDouble(text)) << " != "
                    << Snprintf("%.17g", expected);
  }
}

TEST(TextToDouble, ReadsOnlyTheViewItIsGiven) {
  const std::string text = "12.5e3";
  EXPECT_EQ(TextToDouble(std::string_view(text).substr(0, 4)), 12.5);
  EXPECT_EQ(TextToDouble(std::string_view(text).substr(0, 5)), 12.5);  // "12.5e": no exponent
  EXPECT_EQ(TextToDouble(std::string_view("0x10", 2)), 0.0);           // "0x" alone is 0
}

}  // namespace
}  // namespace vek
