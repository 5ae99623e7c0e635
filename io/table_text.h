#pragma once
// Tables as spreadsheets exchange them: what a spreadsheet copies to the clipboard (tab-separated)
// and what it saves as CSV (comma-separated, fields in double quotes where they hold a comma, a
// quote or a line break).
#include <string>
#include <string_view>
#include <vector>

namespace vek {

// One line of a table, with its line number in the text (1-based; a quoted line break makes one
// row span several lines, the row keeps the number of its first line).
struct TableRow {
  int line = 0;
  std::vector<std::string> cells;
};

// The rows of `text`. Tab-separated when the first non-empty line holds a tab, else comma-separated
// with double quotes ("" inside quotes is one quote). CR LF, LF and CR all end a line; empty lines
// are kept as rows without cells, except at the very end.
std::vector<TableRow> SplitTableText(std::string_view text);

// A CSV file's bytes as UTF-8: UTF-8 after a byte-order mark, CP932 otherwise (what Vek's own CSV
// export writes in its two encodings).
std::string DecodeTableFile(std::string_view bytes);

}  // namespace vek
