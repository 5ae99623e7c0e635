#pragma once
// The options of the vek executable. Parsing only; main() dispatches.
#include <optional>
#include <string>
#include <vector>

namespace vek {

struct AnalyseOption {
  int po = 0, py = 0, pl = 0;
  int sign = 1;            // 1-3
  bool automatic = false;  // "auto": the suggested steps (core/step_suggestion.h) instead of po, py, pl
};

struct CommandLineOptions {
  enum class Mode {
    Window, Help, Version, ProgramFolder, InitSettings, Convert, ExportPdf, ExportPng,
    ExportCsv, Summary, SummaryPdf, Check, Suggest, Report
  };
  Mode mode = Mode::Window;
  std::string output;               // --convert OUT, --export-pdf OUT.pdf, --export-png OUTDIR, --export-csv,
                                    // --summary OUT.csv, --summary-pdf OUT.pdf, --report OUT.pdf
  std::vector<std::string> inputs;  // FILE (several for --convert into a folder)
  std::optional<std::string> attachCal;
  bool reduce = false;
  std::optional<AnalyseOption> analyse;
  std::optional<std::pair<int, int>> pages;  // --pages FIRST-LAST
  std::string paper = "A4";
  int dpi = 150;
  bool fit = false;  // --fit: a sheet larger than the paper is scaled onto it
  std::optional<std::string> encoding;  // --encoding utf-8|cp932 of the CSV modes
};

struct ParseResult {
  bool ok = true;
  std::string error;  // set when !ok (usage error)
  CommandLineOptions options;
};

ParseResult ParseCommandLine(const std::vector<std::string>& args);

// Text of `vek --help`.
std::string UsageText();

}  // namespace vek
