#include "settings/logic/entry_checks.h"

#include <gtest/gtest.h>

namespace vek {
namespace {

TEST(EntryChecksTest, IntegerEntryTakesOnlyWholeDecimalIntegers) {
  struct Case {
    const char* text;
    std::optional<int> value;
  };
  const Case cases[] = {
      {"0", 0},     {" 6 ", 6},        {"-3", -3},         {"+4", 4},         {"007", 7},
      {"", {}},     {" ", {}},         {"-", {}},          {"1.5", {}},       {"1e2", {}},
      {"12a", {}},  {"0x10", {}},      {"9999999999", {}}, {"\x82\x50", {}},  // full-width 1
  };
  for (const Case& c : cases) EXPECT_EQ(ParseIntegerEntry(c.text), c.value) << '"' << c.text << '"';
}

TEST(EntryChecksTest, NumberEntryTakesDecimalNumbersOnly) {
  struct Case {
    const char* text;
    std::optional<double> value;
  };
  const Case cases[] = {
      {"4", 4.0},   {" 108.5", 108.5}, {".5", 0.5},  {"1e3", 1000.0}, {"-0.25 ", -0.25},
      {"", {}},     {".", {}},         {"4cm", {}},  {"0x10", {}},    {"inf", {}},
      {"nan", {}},  {"1e999", {}},     {"1..2", {}},
  };
  for (const Case& c : cases) EXPECT_EQ(ParseNumberEntry(c.text), c.value) << '"' << c.text << '"';
}

TEST(EntryChecksTest, RangeCheckNamesTheProblemAndTheBounds) {
  RecordingMessageSink sink;
  EXPECT_TRUE(CheckIntegerInRange("0", 0, 6, sink));
  EXPECT_TRUE(CheckIntegerInRange("6", 0, 6, sink));
  EXPECT_TRUE(sink.shown.empty());
  EXPECT_FALSE(CheckIntegerInRange("7", 0, 6, sink));
  EXPECT_FALSE(CheckIntegerInRange("-1", 0, 6, sink));
  EXPECT_FALSE(CheckIntegerInRange("2.0", 0, 6, sink));
  EXPECT_EQ(sink.shown, (std::vector<std::string>{"0 から 6 までの整数を入力してください。",
                                                  "0 から 6 までの整数を入力してください。",
                                                  "整数を入力してください。"}));
}

TEST(EntryChecksTest, CountsRefuseNegativesAndNumbersRefuseWords) {
  RecordingMessageSink sink;
  EXPECT_TRUE(CheckCountEntry("0", sink));
  EXPECT_TRUE(CheckCountEntry("250000", sink));
  EXPECT_FALSE(CheckCountEntry("-1", sink));
  EXPECT_TRUE(CheckNumberEntry("60", sink));
  EXPECT_FALSE(CheckNumberEntry("六十", sink));
  EXPECT_EQ(sink.shown, (std::vector<std::string>{"整数を入力してください。", "数字を入力してください。"}));
}

}  // namespace
}  // namespace vek
