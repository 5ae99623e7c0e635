// The whole batch path on one input: load (any kind, the first byte choosing a .cdf or .ddf name
// for Ver2 files) -> settings pass -> reduce -> analyse on the default steps -> draw every page
// (at most eight) -> save. A saved file whose values the writer's check lets through must read back
// into a record that saves to the very same bytes.
#include <cstdlib>
#include <string>

#include "core/analysis.h"
#include "core/cal_curve.h"
#include "core/messages.h"
#include "core/step_reduction.h"
#include "fuzz/fuzz_support.h"
#include "io/data_file_reader.h"
#include "io/data_file_writer.h"
#include "io/settings_files.h"
#include "render/page_compose.h"
#include "support/recording_device.h"

namespace {

using namespace vek;

const SheetSettings& FactorySettings() {
  static const SheetSettings settings = [] {
    fuzz::FuzzHome();  // no settings files: the factory values
    SheetSettings s;
    RecordStore store;
    NullMessageSink sink;
    LoadSettings(s, store, false, sink);
    return s;
  }();
  return settings;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  SheetSettings settings = FactorySettings();
  NullMessageSink sink;
  RecordStore store;
  DataParserState parser;
  const std::string_view bytes = fuzz::Bytes(data + 1, size - 1);
  const LoadOutcome outcome = LoadDataBytes(bytes, (data[0] & 1) ? "f.cdf" : "f.ddf", store, settings, parser, sink);
  if (!outcome.ok()) return 0;
  LoadSettings(settings, store, false, sink);

  if (outcome.kind == DataKind::Test) {
    RunTestReduction(store, settings);
    const int n = AnalysableRowCount(store);
    if (n > 0) {
      AnalysisResult result;
      if (UpdateAnalysis(store, settings, DefaultAnalysisRows(store, n), n, 1 + data[0] % 3, result)) {
        StoreAnalysis(store, result);
        StoreFormulaLines(store, result);
      }
    }
  } else {
    RecomputeCalH(store.calibration);
    FitCalRegression(store, std::atoi(store.calibration.Header(hf::CalCurveType).c_str()), sink);
  }

  testing::RecordingDevice device;
  ViewState view;
  const int pages = PageCount(store, settings, view, store.currentSheet);
  for (int page = 1; page <= pages && page <= 8; ++page) DrawPrintedPage(device, store, settings, view, sink, page);

  const std::string saved = WriteRecordFile(outcome.kind, store);
  if (!FindUnstorableValue(store, outcome.kind)) {
    RecordStore again;
    DataParserState parser2;
    if (!LoadDataBytes(saved, "f.vdw", again, settings, parser2, sink).ok()) __builtin_trap();
    if (WriteRecordFile(outcome.kind, again) != saved) __builtin_trap();
  }
  return 0;
}
