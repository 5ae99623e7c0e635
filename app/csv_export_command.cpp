#include "app/csv_export_command.h"

#include "core/messages.h"
#include "io/csv_text.h"
#include "io/file_chooser.h"
#include "io/record_csv.h"

namespace vek {

bool ExportRecordCsv(const RecordStore& store, FileChooser& chooser, MessageSink& sink,
                     const std::filesystem::path& documentPath) {
  FileChooserRequest request;
  request.filter = kCsvFilter;
  request.defaultExtension = "csv";
  request.overwritePrompt = true;
  request.startName = documentPath.empty() ? std::filesystem::path("*.csv")
                                           : std::filesystem::path(documentPath).replace_extension(".csv");
  const auto chosen = chooser.ChooseSaveFile(request);
  if (!chosen) return false;
  if (WriteCsvFile(*chosen, RecordCsv(store, store.currentSheet), CsvEncoding::Utf8Bom)) return true;
  sink.Show(msg::CannotSave);
  return false;
}

}  // namespace vek
