#pragma once
// `vek --import-csv OUT CSV [--template FILE] [OPTIONS]`: a record made from a spreadsheet table.
#include "app/command_line.h"

namespace vek {

class MessageSink;

// Reads the CSV (Vek's own CSV export, or a plain table of steps) into the record that OUT's
// extension names (.vdw test, .cdw calibration), starting from the record of --template or from an
// empty one, applies --attach-cal, --reduce and --analyse, and writes OUT as Save As writes it.
// Every refused cell is reported with its line and column, and then nothing is written.
// 0 success, 1 reading, a refused cell or writing failed, 2 usage.
int RunImportCsv(const CommandLineOptions& o, MessageSink& sink);

}  // namespace vek
