#include "core/number_format.h"

#include <gtest/gtest.h>

#include "core/encoding.h"

namespace vek {
namespace {

TEST(DigitsFormat, TableWithOutOfRangeSettingsClamped) {
  const char* expected[] = {"%4.0f", "%4.1f", "%4.2f", "%4.3f", "%5.4f", "%6.5f", "%6.6f"};
  for (int d = 0; d <= 6; ++d) EXPECT_STREQ(DigitsFormat(d), expected[d]) << d;
  EXPECT_STREQ(DigitsFormat(9), "%6.6f");
  EXPECT_STREQ(DigitsFormat(-1), "%4.0f");
}

TEST(FormatByDigits, NumberLikeTextsArePaddedToTheFormatWidth) {
  EXPECT_EQ(FormatByDigits("5", 0, false), "   5");
  EXPECT_EQ(FormatByDigits("2.5", 2, false), "2.50");
  EXPECT_EQ(FormatByDigits(" 0.5", 4, false), "0.5000");
  EXPECT_EQ(FormatByDigits("-3", 5, false), "-3.00000");
  EXPECT_EQ(FormatByDigits("150", 2, true), "1.50");  // centimetres shown in metres
  EXPECT_EQ(FormatByDigits("1e2", 1, false), "100.0");
}

TEST(FormatByDigits, OnlyTheLeadingDecimalNumberIsRead) {
  EXPECT_EQ(FormatByDigits("", 2, false), "");
  EXPECT_EQ(FormatByDigits("   ", 2, false), "");
  EXPECT_EQ(FormatByDigits("abc", 2, false), "");
  EXPECT_EQ(FormatByDigits(Sjis("１２"), 2, false), "");
  EXPECT_EQ(FormatByDigits("12.5cm", 1, false), "12.5");
  EXPECT_EQ(FormatByDigits("-", 1, false), " 0.0");  // number-like, but no digits: 0
  EXPECT_EQ(FormatByDigits(".", 1, false), " 0.0");
  EXPECT_EQ(FormatByDigits("0x1A", 1, false), " 0.0");  // never hexadecimal
  EXPECT_EQ(FormatByDigits("-nan", 1, false), " 0.0");
  EXPECT_EQ(FormatByDigits("+inf", 1, false), " 0.0");
}

TEST(FormatDouble, LongResultsAreNotCut) {
  EXPECT_EQ(FormatDouble("%g", 100.0 / 3.0), "33.3333");
  EXPECT_EQ(FormatDouble("%f", 1e200).substr(200), ".000000");  // 200 digits first
  EXPECT_EQ(FormatText("%s=%d", "n", 12), "n=12");
}

}  // namespace
}  // namespace vek
