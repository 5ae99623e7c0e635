#include "core/colour_text.h"

#include <gtest/gtest.h>

namespace vek {
namespace {

TEST(ColourTextTest, TextsParseWithTheirBasePrefixAndJunkIsBlack) {
  struct Case {
    const char* text;
    uint32_t colour;
  };
  const Case cases[] = {
      {"0x800000", 0x800000}, {"0X0000FF", 0xff},  {"0377", 0xff},   {"255", 0xff},
      {"  0x00ff00", 0xff00}, {"12abc", 12},       {"junk", 0},      {"", 0},
      {"0x1ff0000", 0xff0000},  // only 24 bits
  };
  for (const Case& c : cases) EXPECT_EQ(ParseColourText(c.text), c.colour) << c.text;
}

TEST(ColourTextTest, LowestByteIsRedBothWays) {
  EXPECT_EQ(RgbOfColour(ParseColourText("0x0000ff")), (Rgb{255, 0, 0}));
  EXPECT_EQ(RgbOfColour(ParseColourText("0x800000")), (Rgb{0, 0, 128}));
  EXPECT_EQ(RgbOfColour(ParseColourText("0x006000")), (Rgb{0, 96, 0}));
  EXPECT_EQ(ColourText(ColourOfRgb({0, 255, 0})), "0x00ff00");
  EXPECT_EQ(ColourText(ColourOfRgb({255, 0, 0})), "0x0000ff");
  EXPECT_EQ(ColourText(ColourOfRgb({0x12, 0x34, 0x56})), "0x563412");
}

}  // namespace
}  // namespace vek
