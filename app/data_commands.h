#pragma once
// The command line beyond the sheets: one record as CSV (--export-csv), the site summary of many
// tests as CSV (--summary) or as a one-page plot (--summary-pdf), and the data checks (--check).
// Every input is read and processed through the batch pipeline, as --convert reads it.
#include "app/command_line.h"

namespace vek {

class MessageSink;

// Exit status of --check when a file has findings (1 and 2 keep their meanings and take precedence).
constexpr int kExitFindings = 3;

// vek --export-csv OUT.csv FILE [OPTIONS] [--encoding ...]. 0, 1 (reading or writing failed), 2.
int RunExportCsv(const CommandLineOptions& o, MessageSink& sink);

// vek --summary OUT.csv FILE... Calibration files are skipped with a note. 0, 1 (a file could not
// be read, the others are listed; or OUT could not be written), 2.
int RunSummary(const CommandLineOptions& o, MessageSink& sink);

// vek --summary-pdf OUT.pdf FILE...: the summary plot on one A4 page. Needs a QGuiApplication.
int RunSummaryPdf(const CommandLineOptions& o, MessageSink& sink);

// vek --check FILE...: the findings of each file on standard output, one per line, "FILE: text".
// 0 when nothing was found, kExitFindings when something was, 1 when a file could not be read.
int RunCheck(const CommandLineOptions& o, MessageSink& sink);

}  // namespace vek
