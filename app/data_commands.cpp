#include "app/data_commands.h"

#include <cstdio>
#include <filesystem>
#include <memory>
#include <vector>

#include "app/batch_pipeline.h"
#include "app/export_command.h"
#include "app/terminal_check.h"
#include "app/terminal_progress.h"
#include "core/encoding.h"
#include "core/messages.h"
#include "core/record_store.h"
#include "core/site_summary.h"
#include "io/csv_text.h"
#include "io/document_commands.h"
#include "io/record_checks.h"
#include "io/record_csv.h"
#include "render/summary_plot.h"

namespace vek {

namespace {

namespace fs = std::filesystem;

constexpr int kExitOk = 0;
constexpr int kExitFailed = 1;
constexpr int kExitUsage = 2;

CsvEncoding EncodingOf(const CommandLineOptions& o) {
  return o.encoding ? CsvEncodingByName(*o.encoding).value_or(CsvEncoding::Utf8Bom) : CsvEncoding::Utf8Bom;
}

bool WriteCsv(const CommandLineOptions& o, const std::string& cp932, MessageSink& sink) {
  if (WriteCsvFile(fs::path(o.output), cp932, EncodingOf(o))) return true;
  sink.ShowMessage(NumberedMessage(msg::CannotSave) + " (" + o.output + ")");
  return false;
}

// The summary rows of the tests among the inputs, sorted. `status` becomes 1 when a file cannot
// be read; usage errors return nothing with `status` 2.
struct SummaryInput {
  std::vector<SummaryRow> rows;
  SheetSettings settings;
  int status = kExitOk;
};

SummaryInput CollectSummary(const CommandLineOptions& o, MessageSink& plainSink) {
  // One progress line on a terminal while many files are read; the messages pass through it.
  TerminalProgress progress(plainSink, StderrIsTerminal());
  MessageSink& sink = progress;
  SummaryInput in;
  auto store = std::make_unique<RecordStore>();
  for (size_t i = 0; i < o.inputs.size(); ++i) {
    const std::string& input = o.inputs[i];
    progress.Step(i, o.inputs.size(), "files");
    const int rc = LoadAndProcessForBatch(o, input, *store, in.settings, sink);
    if (rc != kExitOk) {
      in.status = rc == kExitUsage ? kExitUsage : kExitFailed;
      if (rc == kExitUsage) return in;
      continue;
    }
    if (store->currentSheet != kTestSheet) {
      sink.ShowMessage(input + ": a calibration file, not a test; not in the summary");
      continue;
    }
    in.rows.push_back(MakeSummaryRow(store->test, PathToField(fs::path(input))));
  }
  SortSummaryRows(in.rows);
  return in;
}

}  // namespace

int RunExportCsv(const CommandLineOptions& o, MessageSink& sink) {
  auto store = std::make_unique<RecordStore>();
  SheetSettings settings;
  const int loaded = LoadAndProcessForBatch(o, o.inputs.at(0), *store, settings, sink);
  if (loaded != kExitOk) return loaded;
  return WriteCsv(o, RecordCsv(*store, store->currentSheet), sink) ? kExitOk : kExitFailed;
}

int RunSummary(const CommandLineOptions& o, MessageSink& sink) {
  SummaryInput in = CollectSummary(o, sink);
  if (in.status == kExitUsage) return kExitUsage;
  if (!WriteCsv(o, SummaryCsv(in.rows), sink)) return kExitFailed;
  std::printf("vek: %zu test%s written to %s\n", in.rows.size(), in.rows.size() == 1 ? "" : "s", o.output.c_str());
  return in.status;
}

int RunSummaryPdf(const CommandLineOptions& o, MessageSink& sink) {
  SummaryInput in = CollectSummary(o, sink);
  if (in.status == kExitUsage) return kExitUsage;
  const auto paper = PaperByName("A4");
  const auto empty = std::make_unique<RecordStore>();
  const TextField title = Sjis("孔内水平載荷試験 結果一覧");
  const bool written = WritePdf(fs::path(o.output), *paper, 1, [&](DrawDevice& device, int) {
    SheetCanvas canvas(device, in.settings, *empty, sink);
    PrepareDraw(canvas);
    DrawSummaryPage(canvas, in.rows, title);
  });
  if (!written) {
    sink.ShowMessage(NumberedMessage(msg::CannotSave) + " (" + o.output + ")");
    return kExitFailed;
  }
  std::printf("vek: %zu test%s plotted in %s\n", in.rows.size(), in.rows.size() == 1 ? "" : "s", o.output.c_str());
  return in.status;
}

int RunCheck(const CommandLineOptions& o, MessageSink& sink) {
  bool failed = false, found = false;
  SheetSettings settings;
  auto store = std::make_unique<RecordStore>();
  for (const std::string& input : o.inputs) {
    if (LoadAndProcessForBatch(o, input, *store, settings, sink) != kExitOk) {
      failed = true;
      continue;
    }
    const std::vector<Finding> findings = CheckLoadedFile(*store, settings, fs::path(input));
    if (findings.empty()) std::printf("%s: 問題は見つかりませんでした\n", input.c_str());
    for (const Finding& f : findings) std::printf("%s: %s\n", input.c_str(), FindingLine(f).c_str());
    found = found || !findings.empty();
  }
  std::fflush(stdout);
  return failed ? kExitFailed : found ? kExitFindings : kExitOk;
}

}  // namespace vek
