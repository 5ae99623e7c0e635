#include "app/report_command.h"

#include <QPainter>
#include <cerrno>
#include <cstdio>
#include <filesystem>

#include "app/export_command.h"
#include "app/file_naming_sink.h"
#include "app/report_document.h"
#include "app/terminal_check.h"
#include "app/terminal_progress.h"

namespace vek {

int RunReportCommand(const CommandLineOptions& o, MessageSink& plainSink) {
  const auto paper = PaperByName(o.paper);
  if (!paper || o.inputs.empty() || o.output.empty()) {
    std::fprintf(stderr, "vek: %s\n", !paper ? "unknown paper size" : "--report needs OUT.pdf and FILE...");
    return 2;
  }
  TerminalProgress progress(plainSink, StderrIsTerminal());
  MessageSink& sink = progress;
  std::vector<std::filesystem::path> inputs(o.inputs.begin(), o.inputs.end());
  ReportDocument report;
  const auto loaded = report.Load(inputs, sink, progress);
  if (report.TestCount() == 0 && report.Contents().calibrations.empty()) {
    progress.Finish();
    sink.ShowMessage(o.output + ": no file could be read; nothing written");
    return 1;
  }
  report.Layout(ReportPaperOf(*paper, o.paper), o.fit, sink);
  const int pages = report.PageCount();
  errno = 0;
  const bool written = WritePdfPages(std::filesystem::path(o.output), *paper, pages, report.Title(),
                                     [&](QPainter& painter, int page) {
                                       if (!progress.Step(static_cast<size_t>(page - 1), pages, "pages")) return false;
                                       report.DrawPage(painter, page, sink);
                                       return true;
                                     });
  const int error = errno;
  progress.Finish();
  if (!written) {
    FileNamingSink(sink, o.output).ShowMessage(WriteFailureText(error));
    return 1;
  }
  std::printf("vek: %d pages (%zu test%s) written to %s\n", pages, report.TestCount(),
              report.TestCount() == 1 ? "" : "s", o.output.c_str());
  return loaded == ReportDocument::LoadStatus::Done ? 0 : 1;
}

}  // namespace vek
