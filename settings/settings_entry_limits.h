#pragma once
// Byte limits of the settings forms' edits. A text line of Sys.ndx keeps at most 254 bytes when it
// is read back; number edits need only a few characters.

namespace vek {

constexpr int kSettingsTextBytes = 254;
constexpr int kSettingsNumberBytes = 24;

}  // namespace vek
