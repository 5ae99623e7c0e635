#pragma once
// What a data file can hold. A header text is one line after its section marker, and a text
// containing "$$" would read back as a section line; a table cell is a comma-separated field; and
// no line may be longer than the readers take in one piece. Values outside these rules read back
// differently after a save, so entry refuses them and the writers report them.
#include <string_view>

namespace vek {

// False for a text holding a line break (CR or LF) or "$$", or longer than one line of the file
// holds (kLongestStoredLine).
bool IsStorableHeaderText(std::string_view cp932);

// False for a cell holding a comma, a double quote, a line break or "$$" (the reader drops quotes,
// so a quoted comma would split the cell), or longer than one line of the file holds. Whether a
// whole row fits its line is the writer's check.
bool IsStorableCellText(std::string_view cp932);

}  // namespace vek
