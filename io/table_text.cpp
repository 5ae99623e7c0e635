#include "io/table_text.h"

#include "core/encoding.h"

namespace vek {

namespace {

char DelimiterOf(std::string_view text) {
  size_t start = 0;
  while (start < text.size()) {
    const size_t end = text.find_first_of("\r\n", start);
    const std::string_view line = text.substr(start, end == std::string_view::npos ? text.npos : end - start);
    if (!line.empty()) return line.find('\t') != std::string_view::npos ? '\t' : ',';
    if (end == std::string_view::npos) break;
    start = end + 1;
  }
  return ',';
}

}  // namespace

std::vector<TableRow> SplitTableText(std::string_view text) {
  const char delimiter = DelimiterOf(text);
  std::vector<TableRow> rows;
  TableRow row;
  std::string cell;
  int line = 1;
  row.line = 1;
  bool quoted = false;      // inside a quoted field
  bool rowHasText = false;  // the row holds a delimiter or a character
  auto endCell = [&] {
    row.cells.push_back(std::move(cell));
    cell.clear();
  };
  auto endRow = [&] {
    if (rowHasText) endCell();
    rows.push_back(std::move(row));
    row = TableRow{};
    rowHasText = false;
  };
  for (size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (quoted) {
      if (c == '"' && i + 1 < text.size() && text[i + 1] == '"') {
        cell += '"';
        ++i;
      } else if (c == '"') {
        quoted = false;
      } else {
        if (c == '\n' || (c == '\r' && (i + 1 >= text.size() || text[i + 1] != '\n'))) ++line;
        cell += c;
      }
      continue;
    }
    if (c == '\r' || c == '\n') {
      if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
      endRow();
      row.line = ++line;
      continue;
    }
    rowHasText = true;
    if (c == delimiter) {
      endCell();
    } else if (c == '"' && cell.empty()) {
      quoted = true;
    } else {
      cell += c;
    }
  }
  if (rowHasText || quoted) endRow();
  while (!rows.empty() && rows.back().cells.empty()) rows.pop_back();
  return rows;
}

std::string DecodeTableFile(std::string_view bytes) {
  if (bytes.substr(0, 3) == "\xEF\xBB\xBF") return std::string(bytes.substr(3));
  return Cp932ToUtf8(bytes);
}

}  // namespace vek
