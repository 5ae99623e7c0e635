#include "forms/logic/number_fields.h"

#include <gtest/gtest.h>

#include <map>

#include "core/header_fields.h"

namespace vek {
namespace {

TEST(NumberFieldsTest, ACommaOrALetterIsRefusedNeverGuessed) {
  for (const char* text : {"0,35", "7,25", "1,200", "2a89", "０.３５", "0.35.1", "-"}) {
    EXPECT_FALSE(IsAcceptableNumberField(text, NumberRange::Any)) << text;
  }
  for (const char* text : {"", "  ", "-7.25", "+12.5", "12", ".5", "1e3"}) {
    EXPECT_TRUE(IsAcceptableNumberField(text, NumberRange::Any)) << text;
  }
}

TEST(NumberFieldsTest, PhysicalRangesAreKept) {
  // "035" is what a refused comma in "0,35" leaves behind: it must not pass as 35.
  EXPECT_FALSE(IsAcceptableNumberField("035", NumberRange::Poisson));
  EXPECT_FALSE(IsAcceptableNumberField("0.5", NumberRange::Poisson));
  EXPECT_FALSE(IsAcceptableNumberField("-0.1", NumberRange::Poisson));
  EXPECT_TRUE(IsAcceptableNumberField("0", NumberRange::Poisson));
  EXPECT_TRUE(IsAcceptableNumberField("0.499", NumberRange::Poisson));
  EXPECT_FALSE(IsAcceptableNumberField("0", NumberRange::Positive));
  EXPECT_FALSE(IsAcceptableNumberField("-3.5", NumberRange::Positive));
  EXPECT_TRUE(IsAcceptableNumberField("3.5", NumberRange::Positive));
}

TEST(NumberFieldsTest, TheFirstRefusedFieldIsNamedInItsMessage) {
  std::map<int, std::string> texts = {{hf::TestDepth, "-7.25"}, {hf::PoissonRatio, "0,35"}, {hf::SondeRadius, "0"}};
  auto textOf = [&](int field) { return texts[field]; };
  std::optional<NumberField> refused = FirstRefusedNumberField(TestHeaderNumberFields(), textOf);
  ASSERT_TRUE(refused);
  EXPECT_EQ(refused->field, hf::PoissonRatio);
  EXPECT_EQ(NumberFieldRefusal(*refused, "0,35"), "ポアソン比: 数字を入力してください。");
  EXPECT_EQ(NumberFieldRefusal(*refused, "035"), "ポアソン比: 0 以上 0.5 未満の数字を入力してください。");
  texts[hf::PoissonRatio] = "0.35";
  refused = FirstRefusedNumberField(TestHeaderNumberFields(), textOf);
  ASSERT_TRUE(refused);
  EXPECT_EQ(refused->field, hf::SondeRadius);
  EXPECT_FALSE(FirstRefusedNumberField(CalHeaderNumberFields(), textOf));
}

}  // namespace
}  // namespace vek
