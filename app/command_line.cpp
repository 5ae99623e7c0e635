#include "app/command_line.h"

#include <cstdlib>
#include <cstring>

#include "io/csv_text.h"

namespace vek {

namespace {

bool ParseInt(const std::string& s, int& out) {
  if (s.empty()) return false;
  char* end = nullptr;
  long v = std::strtol(s.c_str(), &end, 10);
  if (*end != '\0' || v < -1000000 || v > 1000000) return false;
  out = static_cast<int>(v);
  return true;
}

bool ParseAnalyse(const std::string& s, AnalyseOption& a) {
  std::vector<std::string> parts;
  size_t start = 0;
  while (true) {
    size_t comma = s.find(',', start);
    parts.push_back(s.substr(start, comma == std::string::npos ? std::string::npos : comma - start));
    if (comma == std::string::npos) break;
    start = comma + 1;
  }
  if (parts[0] == "auto" && parts.size() <= 2) {
    a.automatic = true;
    if (parts.size() == 2 && !ParseInt(parts[1], a.sign)) return false;
    return a.sign >= 1 && a.sign <= 3;
  }
  if (parts.size() != 3 && parts.size() != 4) return false;
  if (!ParseInt(parts[0], a.po) || !ParseInt(parts[1], a.py) || !ParseInt(parts[2], a.pl)) return false;
  if (parts.size() == 4 && !ParseInt(parts[3], a.sign)) return false;
  return a.sign >= 1 && a.sign <= 3;
}

bool ParsePages(const std::string& s, std::pair<int, int>& p) {
  size_t dash = s.find('-');
  if (dash == std::string::npos) {
    if (!ParseInt(s, p.first)) return false;
    p.second = p.first;
  } else if (!ParseInt(s.substr(0, dash), p.first) || !ParseInt(s.substr(dash + 1), p.second)) {
    return false;
  }
  return p.first >= 1 && p.second >= p.first;
}

}  // namespace

std::string UsageText() {
  return "Usage:\n"
         "  vek [FILE]                       open the window (with a .vdw/.cdw file; a .ddf/.cdf file of\n"
         "                                   the previous generation is imported as File Open does)\n"
         "  vek --convert OUT FILE [OPTIONS]  read FILE, apply OPTIONS, write OUT (.vdw or .cdw)\n"
         "  vek --convert OUTDIR FILE... [OPTIONS]\n"
         "                                   the same for several files into a folder\n"
         "  vek --export-pdf OUT.pdf FILE [OPTIONS] [--pages FIRST-LAST] [--paper A4|A3|B4|B5|Letter] [--fit]\n"
         "  vek --export-png OUTDIR FILE [OPTIONS] [--pages FIRST-LAST] [--dpi N] [--fit]\n"
         "  vek --suggest FILE... [--attach-cal CAL] [--reduce]\n"
         "                                   print the suggested Po, Py', Pl' steps of each test file\n"
         "  vek --export-csv OUT.csv FILE [OPTIONS] [--encoding utf-8|cp932]\n"
         "                                   the header values, results and steps of FILE as CSV\n"
         "  vek --summary OUT.csv FILE... [--encoding utf-8|cp932]\n"
         "                                   one row per test, sorted by boring and depth\n"
         "  vek --summary-pdf OUT.pdf FILE...\n"
         "                                   E, Py and Pl against depth, one series per boring\n"
         "  vek --report OUT.pdf FILE... [--paper A4|A3|B4|B5|Letter] [--fit]\n"
         "                                   one report: contents, summary, every test's sheet by\n"
         "                                   boring and depth, the calibration sheets they name\n"
         "  vek --check FILE...              data checks; exit status 3 when something was found\n"
         "  vek --program-folder             print the program folder (settings, lists, fonts)\n"
         "  vek --init-settings              write the factory settings files where they are missing\n"
         "  vek --version | --help\n"
         "\n"
         "OPTIONS (applied in this order):\n"
         "  --attach-cal CAL    attach calibration file CAL to the test\n"
         "  --reduce            recompute the record (test reduction or calibration fit); an\n"
         "                      analysed test's analysis follows from its stored steps\n"
         "  --analyse PO,PY,PL[,SIGN]\n"
         "                      analyse with these step numbers (SIGN 1-3, default 1)\n"
         "  --analyse auto[,SIGN]\n"
         "                      analyse with the suggested steps (as vek --suggest prints them)\n"
         "\n"
         "  Into OUTDIR, --attach-cal and --analyse leave calibrations out with a note.\n"
         "\n"
         "  --fit               scale a sheet that does not fit the paper onto it (exports, --report)\n"
         "\n"
         "Without a display the window cannot open: use --export-pdf or --export-png.\n"
         "\n"
         "CSV files are UTF-8 with a byte-order mark unless --encoding cp932 is given.\n"
         "\n"
         "Exit status: 0 success, 1 reading or writing failed (--suggest: a file without a\n"
         "suggestion), 2 usage error, 3 (--check) findings in a file.\n";
}

ParseResult ParseCommandLine(const std::vector<std::string>& args) {
  ParseResult r;
  CommandLineOptions& o = r.options;
  auto fail = [&](const std::string& why) {
    r.ok = false;
    r.error = why;
    return r;
  };
  bool modeSet = false;
  auto setMode = [&](CommandLineOptions::Mode m) {
    if (modeSet) return false;
    o.mode = m;
    modeSet = true;
    return true;
  };
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    auto next = [&](std::string& out) {
      if (i + 1 >= args.size()) return false;
      out = args[++i];
      return true;
    };
    std::string value;
    if (a == "--help" || a == "-h") {
      if (!setMode(CommandLineOptions::Mode::Help)) return fail("--help takes no other mode");
    } else if (a == "--version") {
      if (!setMode(CommandLineOptions::Mode::Version)) return fail("--version takes no other mode");
    } else if (a == "--program-folder") {
      if (!setMode(CommandLineOptions::Mode::ProgramFolder)) return fail("only one mode at a time");
    } else if (a == "--init-settings") {
      if (!setMode(CommandLineOptions::Mode::InitSettings)) return fail("only one mode at a time");
    } else if (a == "--convert" || a == "--export-pdf" || a == "--export-png") {
      auto m = a == "--convert"      ? CommandLineOptions::Mode::Convert
               : a == "--export-pdf" ? CommandLineOptions::Mode::ExportPdf
                                     : CommandLineOptions::Mode::ExportPng;
      if (!setMode(m)) return fail("only one mode at a time");
      if (!next(o.output)) return fail(a + " needs an output");
    } else if (a == "--suggest") {
      if (!setMode(CommandLineOptions::Mode::Suggest)) return fail("only one mode at a time");
    } else if (a == "--export-csv" || a == "--summary" || a == "--summary-pdf" || a == "--report") {
      auto m = a == "--export-csv"    ? CommandLineOptions::Mode::ExportCsv
               : a == "--summary"     ? CommandLineOptions::Mode::Summary
               : a == "--summary-pdf" ? CommandLineOptions::Mode::SummaryPdf
                                      : CommandLineOptions::Mode::Report;
      if (!setMode(m)) return fail("only one mode at a time");
      if (!next(o.output)) return fail(a + " needs an output");
    } else if (a == "--check") {
      if (!setMode(CommandLineOptions::Mode::Check)) return fail("only one mode at a time");
    } else if (a == "--encoding") {
      if (!next(value) || !CsvEncodingByName(value)) return fail("--encoding needs utf-8 or cp932");
      o.encoding = value;
    } else if (a == "--attach-cal") {
      if (!next(value)) return fail("--attach-cal needs a calibration file");
      o.attachCal = value;
    } else if (a == "--reduce") {
      o.reduce = true;
    } else if (a == "--analyse" || a == "--analyze") {
      AnalyseOption an;
      if (!next(value) || !ParseAnalyse(value, an))
        return fail("--analyse needs PO,PY,PL[,SIGN] or auto[,SIGN] (SIGN 1-3)");
      o.analyse = an;
    } else if (a == "--pages") {
      std::pair<int, int> p;
      if (!next(value) || !ParsePages(value, p)) return fail("--pages needs FIRST-LAST (1 or more)");
      o.pages = p;
    } else if (a == "--paper") {
      if (!next(value)) return fail("--paper needs A4, A3, B4, B5 or Letter");
      if (value != "A4" && value != "A3" && value != "B4" && value != "B5" && value != "Letter")
        return fail("--paper needs A4, A3, B4, B5 or Letter");
      o.paper = value;
    } else if (a == "--dpi") {
      if (!next(value) || !ParseInt(value, o.dpi) || o.dpi < 10 || o.dpi > 2400)
        return fail("--dpi needs a number from 10 to 2400");
    } else if (a == "--fit") {
      o.fit = true;
    } else if (a.size() > 1 && a[0] == '-' && a[1] == '-') {
      return fail("unknown option " + a);
    } else {
      o.inputs.push_back(a);
    }
  }
  using M = CommandLineOptions::Mode;
  const bool batch =
      o.mode == M::Convert || o.mode == M::ExportPdf || o.mode == M::ExportPng || o.mode == M::ExportCsv;
  const bool manyFiles = o.mode == M::Summary || o.mode == M::SummaryPdf || o.mode == M::Check || o.mode == M::Report;
  if ((batch || manyFiles || o.mode == M::Suggest) && o.inputs.empty()) return fail("no input file");
  if (o.mode == M::Suggest && (o.analyse || o.pages)) return fail("--suggest takes --attach-cal and --reduce only");
  if ((o.mode == M::ExportPdf || o.mode == M::ExportPng || o.mode == M::ExportCsv) && o.inputs.size() > 1)
    return fail("export takes one input file");
  if (o.encoding && o.mode != M::ExportCsv && o.mode != M::Summary)
    return fail("--encoding goes with --export-csv or --summary");
  if (o.mode == M::Window && o.inputs.size() > 1) return fail("the window opens one file");
  if (o.fit && o.mode != M::ExportPdf && o.mode != M::ExportPng && o.mode != M::Report)
    return fail("--fit goes with --export-pdf, --export-png or --report");
  if (!batch && o.mode != M::Suggest && (o.attachCal || o.reduce || o.analyse || o.pages))
    return fail("--attach-cal, --reduce, --analyse and --pages go with --convert or --export-*");
  if (o.pages && o.mode == M::ExportCsv) return fail("--pages goes with --export-pdf or --export-png");
  return r;
}

}  // namespace vek
