// PDF export of the bundled test sample (load through the batch pipeline, then every page at
// 600 dpi on A4), as `vek --export-pdf` does it, without the process start.
#include <benchmark/benchmark.h>

#include "bench/qt_benchmark_main.h"

#include <QApplication>
#include <clocale>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "app/batch_pipeline.h"
#include "app/command_line.h"
#include "app/export_command.h"
#include "core/messages.h"

namespace {

using namespace vek;

std::filesystem::path TempDirectory() {
  std::string templ = (std::filesystem::temp_directory_path() / "vek-bench-XXXXXX").string();
  if (!mkdtemp(templ.data())) std::abort();
  return templ;
}

void BM_ExportTestSamplePdf(benchmark::State& state) {
  const auto dir = TempDirectory();
  setenv("VEK_HOME", dir.c_str(), 1);  // factory settings, nothing of the real home
  CommandLineOptions o;
  o.mode = CommandLineOptions::Mode::ExportPdf;
  o.inputs = {std::string(VEK_SAMPLES_DIR) + "/test-sample.vdw"};
  o.output = (dir / "test.pdf").string();
  NullMessageSink sink;
  for (auto _ : state) {
    RecordStore store;
    SheetSettings settings;
    if (LoadAndProcessForBatch(o, o.inputs[0], store, settings, sink) != 0) {
      state.SkipWithError("sample not readable");
      break;
    }
    ViewState view;
    const int pages = PageCount(store, settings, view, store.currentSheet);
    if (!ExportPdf(o.output, store, settings, view, sink, {1, pages}, *PaperByName("A4"))) {
      state.SkipWithError("cannot write the PDF");
      break;
    }
  }
  std::filesystem::remove_all(dir);
}
BENCHMARK(BM_ExportTestSamplePdf)->Unit(benchmark::kMillisecond);

}  // namespace

VEK_QT_BENCHMARK_MAIN()
