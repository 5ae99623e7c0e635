#pragma once
// File → "CSV読込(&I)...": a CSV file (Vek's own CSV export or a plain table of steps) read into the
// record of the current sheet, which serves as the template, followed by the step the record's data
// form runs on OK.
#include <filesystem>
#include <string>

#include "core/record_store.h"
#include "core/sheet_settings.h"

namespace vek {

class FileChooser;
class MessageSink;

struct CsvImportCommandResult {
  bool changed = false;  // the record was replaced (mark the document, redraw)
  std::string note;      // what became of a test's analysis, for the status bar (UTF-8), or empty
};

// Asks for the file (starting in the document's folder), reads and checks it: every refused cell
// is listed in one message and nothing changes. A record that holds steps is replaced only after
// the user agreed (No is the default). Then the test is reduced and its analysis refreshed, or the
// calibration's H recomputed and its curve refitted.
CsvImportCommandResult ImportCsvIntoCurrentRecord(RecordStore& store, const SheetSettings& settings,
                                                  FileChooser& chooser, MessageSink& sink,
                                                  const std::filesystem::path& documentPath);

}  // namespace vek
