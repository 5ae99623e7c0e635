#pragma once
// A record's steps (and, from Vek's own CSV export, its header values) read from a spreadsheet
// table, so that readings kept in a spreadsheet or written by a logger need not be typed again.
#include <string>
#include <string_view>
#include <vector>

#include "core/record_store.h"
#include "io/data_file_format.h"
#include "io/step_rows_text.h"

namespace vek {

struct CsvImportResult {
  std::vector<CellRefusal> refusals;  // cells that cannot be taken, with their places
  std::string error;                  // what stops the import as a whole (UTF-8), or empty
  int steps = 0;                      // steps taken
  bool ok() const { return refusals.empty() && error.empty(); }
};

// Reads `bytes` (UTF-8 after a byte-order mark, else CP932) into the record of `kind` in `store`:
// either the CSV that the record export writes (its header values replace the record's, its steps
// with their derived columns replace the table) or a plain table of steps (P, gas pressure, 15",
// 30", 60", 120" for a test; P, H' for a calibration; a header row optional), which replaces the
// table only and clears a test's chosen steps and results (they belonged to the old steps). The
// record changes only when nothing was refused.
CsvImportResult ImportRecordCsv(std::string_view bytes, DataKind kind, RecordStore& store);

}  // namespace vek
