#include "io/step_rows_text.h"

#include <algorithm>
#include <optional>

#include "core/encoding.h"
#include "core/number_entry.h"
#include "core/record_store.h"

namespace vek {

namespace {

struct ColumnNames {
  int field;                          // 0: the step number, ignored
  std::vector<std::string_view> names;  // UTF-8, compared without blanks and units
};

const std::vector<ColumnNames>& KnownColumns(DataKind kind) {
  static const std::vector<ColumnNames> kTest = {
      {0, {"段階", "No.", "No", "行"}},
      {tf::Pressure, {"セル水圧P", "セル水圧", "セル圧", "P"}},
      {tf::GasPressure, {"ガス圧", "gas"}},
      {tf::Reading15, {"15”", "15\"", "15"}},
      {tf::Reading30, {"30”", "30\"", "30"}},
      {tf::Reading60, {"60”", "60\"", "60"}},
      {tf::Reading120, {"120”", "120\"", "120"}},
      {7, {"ｄＨ", "dH"}},
      {8, {"Ｈ", "H"}},
      {9, {"ＰG", "PG"}},
      {10, {"ＰG-Ｐ", "PG-P"}},
      {11, {"Ｐe", "Pe"}},
      {12, {"ｒ", "r"}},
  };
  static const std::vector<ColumnNames> kCalibration = {
      {0, {"行", "No.", "No", "段階"}},
      {cf::Pressure, {"セル水圧P", "セル水圧", "セル圧", "P"}},
      {cf::Reading, {"Ｈ’", "H’", "H'", "Ｈ’cm"}},
      {3, {"Ｈ", "H", "Ｈcm"}},
  };
  return kind == DataKind::Test ? kTest : kCalibration;
}

// A heading without blanks and without a unit in parentheses: "セル水圧 P (kN/㎡)" -> "セル水圧P".
std::string NormalisedName(std::string_view name) {
  const size_t unit = name.find('(');
  if (unit != std::string_view::npos) name = name.substr(0, unit);
  std::string out;
  for (size_t i = 0; i < name.size(); ++i) {
    if (name[i] == ' ' || name[i] == '\t') continue;
    if (name[i] >= 'A' && name[i] <= 'Z' && name.size() > 2) {  // "Gas" as "gas"; "P", "H" stay
      out += static_cast<char>(name[i] - 'A' + 'a');
      continue;
    }
    if (name.substr(i, 3) == "\xE3\x80\x80") {  // full-width blank
      i += 2;
      continue;
    }
    out += name[i];
  }
  return out;
}

std::optional<int> FieldByName(DataKind kind, std::string_view name) {
  const std::string wanted = NormalisedName(name);
  for (const ColumnNames& column : KnownColumns(kind)) {
    for (std::string_view n : column.names) {
      if (NormalisedName(n) == wanted) return column.field;
    }
  }
  return std::nullopt;
}

bool IsBlankText(std::string_view text) {
  return std::all_of(text.begin(), text.end(), [](char c) { return c == ' ' || c == '\t'; });
}

// A header row names the columns: its first cell (where a step has its P) is a text, not a number.
bool IsHeaderRow(const TableRow& row) {
  return !row.cells.empty() && !IsBlankText(row.cells.front()) && !ParseNumberEntry(row.cells.front());
}

bool IsEmptyRow(const TableRow& row) {
  return std::all_of(row.cells.begin(), row.cells.end(), [](const std::string& c) { return IsBlankText(c); });
}

// Column i of the source -> table field (0 ignored, -1 unknown).
std::vector<int> ColumnsInGridOrder(DataKind kind, size_t width) {
  std::vector<int> fields(width, -1);
  for (size_t i = 0; i < width && static_cast<int>(i) < TypedStepFieldCount(kind); ++i) fields[i] = static_cast<int>(i) + 1;
  return fields;
}

}  // namespace

int StepFieldCount(DataKind kind) { return kind == DataKind::Test ? kTestFieldCount : kCalFieldCount; }

int TypedStepFieldCount(DataKind kind) { return kind == DataKind::Test ? 6 : 2; }

std::string StepFieldName(DataKind kind, int field) {
  for (const ColumnNames& column : KnownColumns(kind)) {
    if (column.field == field) return std::string(column.names.front());
  }
  return std::to_string(field);
}

StepRowsText ReadStepRows(const std::vector<TableRow>& rows, DataKind kind, int maxRows) {
  StepRowsText out;
  size_t first = 0;
  while (first < rows.size() && IsEmptyRow(rows[first])) ++first;
  std::vector<int> fields;
  std::vector<std::string> names;
  if (first < rows.size() && IsHeaderRow(rows[first])) {
    out.headerRow = true;
    const TableRow& header = rows[first];
    bool allKnown = true;
    for (const std::string& cell : header.cells) {
      const std::optional<int> f = IsBlankText(cell) ? std::optional<int>(-1) : FieldByName(kind, cell);
      if (!f) allKnown = false;
      fields.push_back(f.value_or(-1));
      names.push_back(cell);
    }
    out.namedColumns = allKnown && std::find(fields.begin(), fields.end(), 1) != fields.end();
    if (!out.namedColumns) {
      fields.clear();
      names.clear();
    }
    ++first;
  }
  for (int f : fields) {
    if (f > TypedStepFieldCount(kind)) out.computedColumns = true;
  }
  const int fieldCount = StepFieldCount(kind);
  for (size_t r = first; r < rows.size(); ++r) {
    const TableRow& row = rows[r];
    if (IsEmptyRow(row)) continue;
    std::vector<int> rowFields = fields;
    if (!out.namedColumns) rowFields = ColumnsInGridOrder(kind, row.cells.size());
    StepRowText step;
    step.line = row.line;
    step.fields.assign(fieldCount + 1, TextField{});
    const size_t refusalsBefore = out.refusals.size();
    auto refuse = [&](int column, int field, std::string reason) {
      std::string name = column <= static_cast<int>(names.size()) && column > 0 ? names[column - 1] : "";
      if (name.empty() && field > 0) name = StepFieldName(kind, field);
      out.refusals.push_back({row.line, column, std::move(name), std::move(reason)});
    };
    if (static_cast<int>(out.rows.size()) >= maxRows) {
      refuse(1, 1, "最大行数 (" + std::to_string(maxRows) + " 行) を超えています");
      continue;
    }
    for (size_t c = 0; c < row.cells.size(); ++c) {
      const std::string& cell = row.cells[c];
      const int field = c < rowFields.size() ? rowFields[c] : -1;
      const int column = static_cast<int>(c) + 1;
      if (field == 0) continue;
      if (field < 0) {
        if (!IsBlankText(cell)) refuse(column, field, "余分な列です");
        continue;
      }
      if (IsBlankText(cell)) continue;
      if (cell.size() > kMaxStepCellBytes) {
        refuse(column, field, "長すぎます (" + std::to_string(kMaxStepCellBytes) + " バイトまで)");
        continue;
      }
      const std::optional<double> value = ParseNumberEntry(cell);
      if (!value) {
        refuse(column, field, "数値ではありません");
        continue;
      }
      if (field == 1 && (*value < kMinStepPressure || *value > kMaxStepPressure)) {
        refuse(column, field, "数値が異常です (-100 ～ 30000)");
        continue;
      }
      step.fields[field] = cell;  // a number is ASCII: the same bytes in CP932
    }
    if (out.refusals.size() == refusalsBefore && step.fields[1].empty()) {
      int column = 1;
      for (size_t c = 0; c < rowFields.size(); ++c) {
        if (rowFields[c] == 1) column = static_cast<int>(c) + 1;
      }
      refuse(column, 1, "セル水圧がありません");
    }
    if (out.refusals.size() == refusalsBefore) out.rows.push_back(std::move(step));
  }
  return out;
}

std::string DescribeRefusal(const CellRefusal& refusal) {
  std::string text = "行 " + std::to_string(refusal.line) + ", 列 " + std::to_string(refusal.column);
  if (!refusal.columnName.empty()) text += " (" + refusal.columnName + ")";
  return text + ": " + refusal.reason;
}

}  // namespace vek
