#include "settings/logic/colour_text.h"

#include <cstdio>
#include <cstdlib>

namespace vek {

namespace {
constexpr int32_t kColourMask = 0xffffff;
}

int32_t ParseColourText(std::string_view text) {
  const std::string copy(text);
  const long long value = std::strtoll(copy.c_str(), nullptr, 0);
  return static_cast<int32_t>(value & kColourMask);
}

std::string ColourText(int32_t colour) {
  char buf[16];
  std::snprintf(buf, sizeof buf, "0x%06x", static_cast<unsigned>(colour & kColourMask));
  return buf;
}

Rgb RgbOfColour(int32_t colour) {
  return {colour & 0xff, (colour >> 8) & 0xff, (colour >> 16) & 0xff};
}

int32_t ColourOfRgb(const Rgb& rgb) {
  return (rgb.red & 0xff) | ((rgb.green & 0xff) << 8) | ((rgb.blue & 0xff) << 16);
}

}  // namespace vek
