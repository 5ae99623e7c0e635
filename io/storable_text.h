#pragma once
// What a data file can hold. A header text is one line after its section marker, and a text
// containing "$$" would read back as a section line; a table cell is a comma-separated field.
// Values outside these rules read back differently after a save, so entry refuses them and the
// batch reports them.
#include <string_view>

namespace vek {

// False for a text holding a line break (CR or LF) or "$$".
bool IsStorableHeaderText(std::string_view cp932);

// False for a cell holding a comma, a double quote or a line break (the reader drops quotes, so a
// quoted comma would split the cell).
bool IsStorableCellText(std::string_view cp932);

}  // namespace vek
