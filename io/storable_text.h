#pragma once
// Texts the data file cannot hold so that they read back unchanged: the header section keeps one
// field a line and takes a line holding "$$" for a section line; a table row keeps its cells
// between commas on one line.
#include <string_view>

namespace vek {

// False for a header text (CP932) holding a line break (CR or LF) or "$$".
bool IsStorableHeaderText(std::string_view cp932);

// False for a table cell (CP932) holding a comma or a line break (CR or LF).
bool IsStorableCellText(std::string_view cp932);

}  // namespace vek
