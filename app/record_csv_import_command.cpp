#include "app/record_csv_import_command.h"

#include "app/csv_export_command.h"
#include "core/messages.h"
#include "io/data_file_reader.h"
#include "io/data_file_writer.h"
#include "io/document_commands.h"
#include "io/record_commands.h"
#include "io/record_csv_import.h"

namespace vek {

namespace {

// Lines of the record's table that hold a pressure.
int StepsHeld(const RecordStore& store, DataKind kind) {
  int held = 0;
  if (kind == DataKind::Test) {
    for (int line = 1; line <= kMaxTestRows; ++line) held += store.test.Test(line, 1).empty() ? 0 : 1;
  } else {
    for (int line = 1; line <= kMaxCalRows; ++line) held += store.calibration.Cal(line, 1).empty() ? 0 : 1;
  }
  return held;
}

}  // namespace

CsvImportCommandResult ImportCsvIntoCurrentRecord(RecordStore& store, const SheetSettings& settings,
                                                  FileChooser& chooser, MessageSink& sink,
                                                  const std::filesystem::path& documentPath) {
  FileChooserRequest request;
  request.filter = kCsvFilter;
  request.defaultExtension = "csv";
  request.initialFolder = documentPath.parent_path();
  const auto chosen = chooser.ChooseOpenFile(request);
  if (!chosen) return {};
  const std::optional<std::string> bytes = ReadWholeFile(*chosen);
  if (!bytes) {
    sink.Show(msg::FileNotFound, chosen->string());
    return {};
  }
  const DataKind kind = store.currentSheet == kTestSheet ? DataKind::Test : DataKind::Calibration;
  RecordStore imported = store;
  const CsvImportResult result = ImportRecordCsv(*bytes, kind, imported);
  if (!result.ok()) {
    std::string text = "CSVファイルを読み込めません。記録は変更していません。";
    if (!result.error.empty()) text += "\n" + result.error;
    for (const CellRefusal& refusal : result.refusals) text += "\n" + DescribeRefusal(refusal);
    sink.ShowMessage(text);
    return {};
  }
  if (const auto unstorable = FindUnstorableValue(imported, kind)) {
    sink.ShowMessage("CSVファイルを読み込めません。記録は変更していません。\n" + UnstorableMessage(*unstorable));
    return {};
  }
  if (const int held = StepsHeld(store, kind); held > 0) {
    const std::string question = "いまの測定データ " + std::to_string(held) + " 行を、CSVファイルの " +
                                 std::to_string(result.steps) + " 行で置き換えますか？";
    if (!sink.AskBeforeLoss(question)) return {};
  }
  CsvImportCommandResult done;
  done.changed = true;
  if (kind == DataKind::Test) {
    done.note = AnalysisRefreshNote(ReduceTestAndRefreshAnalysis(imported, settings, sink, true));
  } else {
    RecomputeCalibration(imported, sink);
  }
  store = std::move(imported);
  return done;
}

}  // namespace vek
