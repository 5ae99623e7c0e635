#pragma once
// The records as spreadsheet tables: one test (its header values, analysis results and steps), one
// calibration (its header values, curve coefficients and rows), and the site summary of many tests.
// Every value is the stored text, so numbers stand exactly as in the file.
#include <string>
#include <vector>

#include "core/record_store.h"
#include "core/site_summary.h"
#include "io/csv_text.h"

namespace vek {

// CSV text (CP932) of the store's test record (sheet 1) or calibration record (sheet 0).
std::string RecordCsv(const RecordStore& store, int sheet);

// CSV text (CP932) of the summary rows, one row per test under a header row, in the given order.
// Ready to write in `encoding` (the UTF-8 text with its byte-order mark): the file names go in as
// the system names them, so a UTF-8 table holds every name exactly; in a CP932 table a name that
// CP932 cannot hold gets "?" for what it cannot hold and is added to `unconvertible`.
std::string SummaryCsv(const std::vector<SummaryRow>& rows, CsvEncoding encoding,
                       std::vector<std::string>* unconvertible = nullptr);

}  // namespace vek
