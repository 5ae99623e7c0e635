#include "core/colour_text.h"

#include <cstdio>
#include <cstdlib>

namespace vek {

namespace {
constexpr uint32_t kColourMask = 0xffffff;
}

uint32_t ParseColourText(std::string_view text) {
  const std::string copy(text);
  const long long value = std::strtoll(copy.c_str(), nullptr, 0);
  return static_cast<uint32_t>(value) & kColourMask;
}

std::string ColourText(uint32_t colour) {
  char buf[16];
  std::snprintf(buf, sizeof buf, "0x%06x", static_cast<unsigned>(colour & kColourMask));
  return buf;
}

Rgb RgbOfColour(uint32_t colour) {
  return {int(colour & 0xff), int((colour >> 8) & 0xff), int((colour >> 16) & 0xff)};
}

uint32_t ColourOfRgb(const Rgb& rgb) {
  return uint32_t(rgb.red & 0xff) | (uint32_t(rgb.green & 0xff) << 8) | (uint32_t(rgb.blue & 0xff) << 16);
}

}  // namespace vek
