#pragma once
// The command line's batch work on data files, shared by --convert and the export modes: load a
// file as the Open command does, then attach a calibration file, reduce and analyse as the forms do.
#include <string>

#include "app/command_line.h"
#include "core/record_store.h"
#include "core/sheet_settings.h"

namespace vek {

class MessageSink;

// What the options that apply to tests only (--attach-cal, --analyse) do with a calibration file:
// a usage error where the command names one file, a note and the file processed without them in a
// batch of several files, where calibrations and tests come mixed.
enum class TestOnlyOptions { Refuse, LeaveOutWithNote };

// Loads the settings as at start-up, reads `input` (.vdw .cdw .ddf .cdf, the version by its first
// line) and applies the OPTIONS of `o` in order: --attach-cal (test files only), --reduce (test
// reduction with the analysis refreshed from its stored steps, or H and the curve of a
// calibration), --analyse (test files only). The current sheet of `store` tells which record was
// read. Returns 0 on success, 1 when a file cannot be read or the analysis has no rows, 2 when an
// option does not fit the file (usage).
int LoadAndProcessForBatch(const CommandLineOptions& o, const std::string& input, RecordStore& store,
                           SheetSettings& settings, MessageSink& sink,
                           TestOnlyOptions onCalibration = TestOnlyOptions::Refuse);

// Applies --attach-cal, --reduce and --analyse of `o` to the record of the current sheet, as
// LoadAndProcessForBatch does after reading a file. The same status values.
int ApplyBatchOptions(const CommandLineOptions& o, RecordStore& store, const SheetSettings& settings,
                      MessageSink& sink, TestOnlyOptions onCalibration = TestOnlyOptions::Refuse);

// vek --convert OUT FILE... : each input loaded and processed, then written as Save As writes it.
// OUT with the extension .vdw or .cdw (any case) names the file, whose extension chooses the record;
// OUT an existing folder receives <stem>.vdw or <stem>.cdw by the kind of each input. A record
// holding a value the file cannot store (FindUnstorableValue) is reported and not written. The
// files are synced together and each replaces its target atomically. Into a folder, options for
// tests only leave calibrations out with a note, and a file that fails (also by its step numbers)
// does not stop the others. Returns 0, 1 when any file could not be read, processed or written, 2
// for usage.
int RunConvert(const CommandLineOptions& o, MessageSink& sink);

}  // namespace vek
