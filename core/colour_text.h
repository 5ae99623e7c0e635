#pragma once
// Colours kept as text in Sys.ndx and used by the sheets and the lines form: "0x%06x" of a 24-bit value whose lowest byte is red, the next
// green and the highest blue ("0x800000" is dark blue).
#include <cstdint>
#include <string>
#include <string_view>

namespace vek {

struct Rgb {
  int red = 0;
  int green = 0;
  int blue = 0;
  bool operator==(const Rgb&) const = default;
};

// The colour a text names, read as an integer with its base prefix ("0x" hexadecimal, "0" octal,
// else decimal; leading blanks and a trailing rest are ignored, as strtol does). A text that does
// not start with a number gives 0, black. Only the low 24 bits count.
uint32_t ParseColourText(std::string_view text);

// "0x%06x" of a colour value.
std::string ColourText(uint32_t colour);

// Red, green and blue of a colour value, and back.
Rgb RgbOfColour(uint32_t colour);
uint32_t ColourOfRgb(const Rgb& rgb);

}  // namespace vek
