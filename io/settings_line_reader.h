#pragma once
// Line reader for the small settings files (Sys.ndx, Font*.ndx, the location file).
#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace vek {

// Reads up to `maxLines` lines of a text file. CR LF and LF both end a line; the line end is not
// part of the line. A line keeps at most `lineLimit` - 1 bytes (255 for Sys.ndx gives 254, 79 for
// the font and location files gives 78): a longer line is cut at a character boundary and the rest
// of it is skipped, so the lines after it keep their numbers. A last line without a line end is
// kept whole. nullopt when the file cannot be opened (missing, unreadable, a directory).
std::optional<std::vector<std::string>> ReadSettingsLines(const std::filesystem::path& path,
                                                          size_t lineLimit, size_t maxLines);

// `text` cut to at most `maxBytes` bytes without splitting a double-byte CP932 character.
std::string CutAtCharacterBoundary(const std::string& text, size_t maxBytes);

// `text` with every CR and LF left out, so that it can be written as one line of a settings file.
// Neither byte occurs inside a double-byte CP932 character, so the rest of the text is unharmed.
std::string AsOneLine(const std::string& text);

}  // namespace vek
