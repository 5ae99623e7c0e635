#include "app/vek_main.h"

#include <clocale>
#include <cstdio>
#include <string>
#include <vector>

#include "app/batch_pipeline.h"
#include "app/command_line.h"
#include "app/data_commands.h"
#include "app/export_command.h"
#include "app/program_folder_command.h"
#include "app/report_command.h"
#include "app/suggest_command.h"
#include "app/window_mode.h"
#include "core/messages.h"

namespace vek {

int RunVek(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  ParseResult parsed = ParseCommandLine(args);
  if (!parsed.ok) {
    std::fprintf(stderr, "vek: %s\n\n%s", parsed.error.c_str(), UsageText().c_str());
    return 2;
  }
  // Numbers are read and written with the C library in the "C" locale.
  std::setlocale(LC_NUMERIC, "C");
  const CommandLineOptions& o = parsed.options;
  using M = CommandLineOptions::Mode;
  switch (o.mode) {
    case M::Help:
      std::fputs(UsageText().c_str(), stdout);
      return 0;
    case M::Version:
      std::printf("vek %s\n", VEK_VERSION);
      return 0;
    case M::ProgramFolder:
      return RunProgramFolderCommand();
    case M::InitSettings:
      return RunInitSettingsCommand();
    case M::Window:
      return RunWindow(argc, argv, o);
    case M::Convert: {
      StderrMessageSink sink;
      return RunConvert(o, sink);
    }
    case M::Suggest: {
      StderrMessageSink sink;
      std::string lines;
      const int status = RunSuggest(o, sink, lines);
      std::fputs(lines.c_str(), stdout);
      return status;
    }
    case M::ExportPdf:
    case M::ExportPng:
      return RunExportMode(argc, argv, o);
    case M::ExportCsv:
    case M::Summary:
    case M::Check: {
      StderrMessageSink sink;
      return o.mode == M::ExportCsv ? RunExportCsv(o, sink) : o.mode == M::Summary ? RunSummary(o, sink) : RunCheck(o, sink);
    }
    case M::Report:
      return RunInOffscreenApp(argc, argv, [&](MessageSink& sink) { return RunReportCommand(o, sink); });
    case M::SummaryPdf:
      return RunInOffscreenApp(argc, argv, [&](MessageSink& sink) { return RunSummaryPdf(o, sink); });
  }
  return 2;  // unreachable: every mode is handled above
}

}  // namespace vek
