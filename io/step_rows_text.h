#pragma once
// Steps of a measurement table read from a spreadsheet table (a paste or a CSV file): each cell
// checked against what the data file and the reduction can take, every refusal kept with its place
// so that the user sees all of them before anything changes.
#include <string>
#include <vector>

#include "core/text_field.h"
#include "io/data_file_format.h"
#include "io/table_text.h"

namespace vek {

// A cell that cannot be taken, with its place in the source text (1-based) and why (UTF-8).
struct CellRefusal {
  int line = 0;
  int column = 0;
  std::string columnName;
  std::string reason;
};

// One step: the table fields 1..12 (test) or 1..3 (calibration), CP932; fields the source did
// not have are empty.
struct StepRowText {
  int line = 0;  // line of the source text
  std::vector<TextField> fields;  // index 0 unused
};

struct StepRowsText {
  std::vector<StepRowText> rows;
  std::vector<CellRefusal> refusals;
  bool headerRow = false;      // the first row named the columns and was not taken as a step
  bool namedColumns = false;   // the header row's names chose the columns (else the grid's order)
  bool computedColumns = false;  // the source held derived columns (H; dH ... r) by name
};

// Fields a step table has: 12 for a test (6 typed, 6 derived), 3 for a calibration (2 typed, H).
int StepFieldCount(DataKind kind);
int TypedStepFieldCount(DataKind kind);
// The grid title of a field (UTF-8), for messages.
std::string StepFieldName(DataKind kind, int field);

// The limits of a step cell: a number (or empty) of at most this many bytes; P from -100 to 30000.
constexpr size_t kMaxStepCellBytes = 24;
constexpr double kMinStepPressure = -100;
constexpr double kMaxStepPressure = 30000;

// Reads `rows` as steps of `kind`. A first row whose first cell is a text is a header row: when every
// name in it is a known column name (the grids' titles, the CSV export's headings, "P", "H'" ...)
// the columns are taken by name, otherwise in the grid's order. Without a header row the columns
// are in the grid's order (P, gas pressure, 15", 30", 60", 120" / P, H'). Empty rows are skipped.
// Each step needs P; every other cell is empty or a number; more than `maxRows` steps, or a
// non-empty cell past the known columns, are refused.
StepRowsText ReadStepRows(const std::vector<TableRow>& rows, DataKind kind, int maxRows);

// One line per refusal: "行 L, 列 C (name): reason" (UTF-8).
std::string DescribeRefusal(const CellRefusal& refusal);

}  // namespace vek
