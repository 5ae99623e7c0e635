#include "app/import_command.h"

#include <cerrno>
#include <filesystem>

#include "app/batch_pipeline.h"
#include "app/file_naming_sink.h"
#include "io/data_file_reader.h"
#include "io/data_file_writer.h"
#include "io/document_commands.h"
#include "io/record_csv_import.h"
#include "io/safe_write.h"
#include "io/settings_files.h"

namespace vek {

namespace fs = std::filesystem;

namespace {

std::optional<DataKind> KindOfOutput(const fs::path& out) {
  const std::string ext = out.extension().string();
  if (ext.size() != 4) return std::nullopt;
  if (EndsWithNoCase(ext, ".vdw")) return DataKind::Test;
  if (EndsWithNoCase(ext, ".cdw")) return DataKind::Calibration;
  return std::nullopt;
}

// The starting record: the template file's, or an empty one with the settings' header defaults.
int LoadTemplate(const CommandLineOptions& o, DataKind kind, RecordStore& store, SheetSettings& settings,
                 MessageSink& sink) {
  LoadSettings(settings, store, false, sink);
  if (o.templateFile) {
    FileNamingSink named(sink, *o.templateFile);
    DataParserState parser;
    const LoadOutcome loaded = LoadDataFile(fs::path(*o.templateFile), store, settings, parser, named);
    if (!loaded.ok()) return 1;
    for (const std::string& lost : DescribeLosses(loaded.losses)) named.ShowMessage(lost);
    const DataKind got = store.currentSheet == kTestSheet ? DataKind::Test : DataKind::Calibration;
    if (got != kind) {
      named.ShowMessage(std::string("--template: a ") + (got == DataKind::Test ? "test" : "calibration") +
                        " file, but " + o.output + " is a " + (kind == DataKind::Test ? "test" : "calibration"));
      return 2;
    }
  }
  store.currentSheet = kind == DataKind::Test ? kTestSheet : kCalibrationSheet;
  LoadSettings(settings, store, false, sink);
  return 0;
}

}  // namespace

int RunImportCsv(const CommandLineOptions& o, MessageSink& sink) {
  const fs::path out(o.output);
  const std::optional<DataKind> kind = KindOfOutput(out);
  if (!kind) {
    sink.Show(msg::BadExtension);
    return 2;
  }
  const std::string& csvPath = o.inputs.front();
  FileNamingSink csvSink(sink, csvPath);
  const std::optional<std::string> bytes = ReadWholeFile(fs::path(csvPath));
  if (!bytes) {
    sink.Show(msg::FileNotFound, csvPath);
    return 1;
  }
  RecordStore store;
  SheetSettings settings;
  if (const int rc = LoadTemplate(o, *kind, store, settings, sink); rc != 0) return rc;

  const CsvImportResult imported = ImportRecordCsv(*bytes, *kind, store);
  if (!imported.error.empty()) csvSink.ShowMessage(imported.error);
  for (const CellRefusal& refusal : imported.refusals) csvSink.ShowMessage(DescribeRefusal(refusal));
  if (!imported.ok()) {
    sink.ShowMessage("--import-csv: " + o.output + " not written");
    return 1;
  }
  if (const int rc = ApplyBatchOptions(o, store, settings, csvSink); rc != 0) return rc;
  if (const auto unstorable = FindUnstorableValue(store, *kind)) {
    csvSink.ShowMessage("--import-csv: " + DescribeUnstorable(*unstorable) + " cannot be stored in the file; " + o.output + " not written");
    return 1;
  }
  errno = 0;
  if (!WriteFileAtomically(out, WriteRecordFile(*kind, store))) {
    FileNamingSink(sink, o.output).ShowMessage(WriteFailureText(errno));
    return 1;
  }
  return 0;
}

}  // namespace vek
