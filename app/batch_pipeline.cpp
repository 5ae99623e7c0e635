#include "app/batch_pipeline.h"

#include <cerrno>
#include <cstdlib>
#include <filesystem>

#include "app/file_naming_sink.h"
#include "app/suggest_command.h"
#include "app/terminal_check.h"
#include "app/terminal_progress.h"
#include "core/messages.h"
#include "io/data_file_reader.h"
#include "io/data_file_writer.h"
#include "io/document_commands.h"
#include "io/record_commands.h"
#include "io/safe_write.h"
#include "io/settings_files.h"

namespace vek {

namespace fs = std::filesystem;

namespace {

// A batch syncs its files together; a commit every so many files bounds what a killed batch leaves
// behind as temporaries.
constexpr size_t kFilesPerSync = 256;

// Renames the staged files over their targets and reports those that could not be replaced.
bool CommitWrites(AtomicWriteBatch& batch, MessageSink& sink) {
  const auto failed = batch.Commit();
  for (const fs::path& target : failed) FileNamingSink(sink, target.string()).Show(msg::CannotSave);
  return failed.empty();
}

int Analyse(const AnalyseOption& a, RecordStore& store, const SheetSettings& settings, MessageSink& sink) {
  AnalysisRows rows{a.po, a.py, a.pl};
  if (a.automatic) {
    const StepSuggestion s = SuggestAnalysisRows(store);
    if (!s.found) {
      sink.ShowMessage("--analyse auto: " + SuggestionRefusal(s));
      return 1;
    }
    rows = s.rows;
  }
  switch (AnalyseTestRecord(store, settings, rows, a.sign)) {
    case AnalyseOutcome::Done: return 0;
    case AnalyseOutcome::NoReducedSteps:
      sink.ShowMessage("--analyse: the test has no reduced steps (Pe and r); use --reduce");
      return 1;
    case AnalyseOutcome::StepOutOfRange:
      sink.ShowMessage("--analyse: step numbers must lie between 1 and " + std::to_string(AnalysableRowCount(store)));
      return 2;
    case AnalyseOutcome::Failed: return 1;
  }
  return 1;
}

// The test-only options given, as the command line names them ("--attach-cal and --analyse").
std::string TestOnlyOptionNames(const CommandLineOptions& o) {
  std::string names;
  if (o.attachCal) names = "--attach-cal";
  if (o.analyse) names += names.empty() ? "--analyse" : " and --analyse";
  return names;
}

// --reduce of a test: the reduction, and the stored analysis kept in step with it.
void ReduceTest(const CommandLineOptions& o, RecordStore& store, const SheetSettings& settings, MessageSink& sink) {
  // --analyse computes the analysis anew from its own steps right after.
  if (o.analyse) {
    ReduceTestRecord(store, settings, sink, false);
    return;
  }
  const AnalysisRows rows = StoredAnalysisRows(store);
  const std::string steps = "Po " + std::to_string(rows.po) + ", Py' " + std::to_string(rows.py) + ", Pl' " +
                            std::to_string(rows.pl);
  switch (ReduceTestAndRefreshAnalysis(store, settings, sink, false)) {
    case AnalysisRefresh::Nothing: break;
    case AnalysisRefresh::Recomputed:
      sink.ShowMessage("--reduce: the analysis was recomputed from the stored steps (" + steps + ")");
      break;
    case AnalysisRefresh::Cleared:
      sink.ShowMessage("--reduce: a stored step (" + steps + ") is not among the " +
                       std::to_string(AnalysableRowCount(store)) +
                       " analysable steps; the analysis results were cleared (choose the steps again)");
      break;
  }
}

}  // namespace

int LoadAndProcessForBatch(const CommandLineOptions& o, const std::string& input, RecordStore& store,
                           SheetSettings& settings, MessageSink& plainSink, TestOnlyOptions onCalibration) {
  LoadSettings(settings, store, false, plainSink);
  FileNamingSink sink(plainSink, input);
  // Each input is read with parsers of its own, so a batch gives every file the record a window
  // opening only that file would give.
  DataParserState parser;
  const LoadOutcome loaded = LoadDataFile(fs::path(input), store, settings, parser, sink);
  if (!loaded.ok()) return 1;
  for (const std::string& lost : DescribeLosses(loaded.losses)) sink.ShowMessage(lost);
  // The view update after a load: settings pass and header defaults.
  LoadSettings(settings, store, false, sink);
  const bool test = store.currentSheet == kTestSheet;
  const bool leaveOut = !test && onCalibration == TestOnlyOptions::LeaveOutWithNote;
  if (leaveOut && (o.attachCal || o.analyse)) {
    const bool both = o.attachCal && o.analyse;
    sink.ShowMessage("a calibration file: " + TestOnlyOptionNames(o) + (both ? " apply" : " applies") +
                     " to tests only and " + (both ? "were" : "was") + " left out");
  }

  if (o.attachCal && !leaveOut) {
    if (!test) {
      sink.ShowMessage("--attach-cal: a calibration file, not a test");
      return 2;
    }
    const fs::path cal = fs::absolute(fs::path(*o.attachCal));
    if (AttachCalibration(store, cal, sink, true) != AttachResult::Attached) return 1;
  }
  if (o.reduce) {
    if (test) {
      ReduceTest(o, store, settings, sink);
    } else {
      RecomputeCalibration(store, sink);
    }
  }
  if (o.analyse && !leaveOut) {
    if (!test) {
      sink.ShowMessage("--analyse: a calibration file, not a test");
      return 2;
    }
    return Analyse(*o.analyse, store, settings, sink);
  }
  return 0;
}

int RunConvert(const CommandLineOptions& o, MessageSink& plainSink) {
  // One progress line on a terminal for a long batch; the messages pass through it.
  TerminalProgress progress(plainSink, StderrIsTerminal());
  MessageSink& sink = progress;
  const fs::path out(o.output);
  std::error_code ec;
  const bool intoFolder = fs::is_directory(out, ec);
  std::optional<DataKind> outKind;
  if (!intoFolder) {
    if (o.inputs.size() > 1) {
      sink.ShowMessage("--convert: with several input files, " + o.output + " must be an existing folder");
      return 2;
    }
    const std::string ext = out.extension().string();
    if (ext.size() == 4 && EndsWithNoCase(ext, ".vdw")) {
      outKind = DataKind::Test;
    } else if (ext.size() == 4 && EndsWithNoCase(ext, ".cdw")) {
      outKind = DataKind::Calibration;
    } else {
      sink.Show(msg::BadExtension);
      return 2;
    }
  }

  SheetSettings settings;
  AtomicWriteBatch batch;
  int status = 0;
  for (size_t i = 0; i < o.inputs.size(); ++i) {
    const std::string& input = o.inputs[i];
    progress.Step(i, o.inputs.size(), "files");
    RecordStore store;
    const int rc = LoadAndProcessForBatch(o, input, store, settings, sink,
                                          intoFolder ? TestOnlyOptions::LeaveOutWithNote : TestOnlyOptions::Refuse);
    if (rc == 2 && !intoFolder) return 2;
    if (rc != 0) {
      status = 1;
      continue;
    }
    const DataKind loaded = store.currentSheet == kCalibrationSheet ? DataKind::Calibration : DataKind::Test;
    DataKind kind = outKind.value_or(loaded);
    fs::path target = out;
    if (intoFolder) {
      target = out / fs::path(input).stem();
      target += kind == DataKind::Test ? ".vdw" : ".cdw";
    } else if (kind != loaded) {
      // Save As writes the record its extension names, as in the window; say so, since the record
      // just read is not the one written.
      sink.ShowMessage("--convert: " + input + " holds a " + (loaded == DataKind::Test ? "test" : "calibration") +
                       "; " + o.output + " receives the " + (kind == DataKind::Test ? "test" : "calibration") +
                       " record");
    }
    if (const auto unstorable = FindUnstorableValue(store, kind)) {
      // The file format cannot hold it: written, the file would read back differently.
      sink.ShowMessage("--convert: " + input + ": " + DescribeUnstorable(*unstorable) +
                       ", which the file cannot store; " + target.string() + " not written");
      status = 1;
      continue;
    }
    errno = 0;
    if (!batch.Add(target, WriteRecordFile(kind, store))) {
      std::error_code ec;
      const int error = fs::is_directory(target, ec) ? EISDIR : errno;
      FileNamingSink(sink, target.string()).ShowMessage(WriteFailureText(error));
      status = 1;
    }
    if (batch.size() >= kFilesPerSync && !CommitWrites(batch, sink)) status = 1;
  }
  if (!CommitWrites(batch, sink)) status = 1;
  return status;
}

}  // namespace vek
