#pragma once
// vek --report OUT.pdf FILE...: the report of a boring or a site as one PDF (see ReportDocument).
#include "app/command_line.h"

namespace vek {

class MessageSink;

// Writes the report. 0 when every file was read and OUT written; 1 when a file could not be read
// (the report is written with the others) or OUT could not be written; 2 for usage. Shows one
// progress line on standard error when that is a terminal. Needs a QGuiApplication.
int RunReportCommand(const CommandLineOptions& o, MessageSink& sink);

}  // namespace vek
