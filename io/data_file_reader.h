#pragma once
// Reading a data file into the record store: the Open command's path (every kind, the Ver2 files
// included) and the framework's path (recent files, command line, dropped files).
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "core/record_store.h"
#include "core/sheet_settings.h"
#include "io/data_file_format.h"
#include "io/data_file_losses.h"

namespace vek {

class MessageSink;

struct LoadOutcome {
  enum class Status {
    Loaded,       // the record of `kind` holds the file
    CannotOpen,   // message 4012; store unchanged
    NotVekData,   // message 32792 (or the Ver2 refusal of the framework path); store unchanged
  };
  Status status = Status::CannotOpen;
  int code = kVersionUnknown;
  DataKind kind = DataKind::Test;
  DataFileLosses losses;  // what the reader could not take over (a loaded file only)
  bool ok() const { return status == Status::Loaded; }
};

// Whole file as bytes; nullopt when it cannot be opened or read (missing, a folder, unreadable).
std::optional<std::string> ReadWholeFile(const std::filesystem::path& path);

// The first `maxBytes` bytes of a file (fewer for a shorter one); nullopt as for ReadWholeFile.
std::optional<std::string> ReadFileHead(const std::filesystem::path& path, size_t maxBytes);

// Bytes read ahead to recognise a file before the whole of it is read: a file that is not one of
// ours is refused without reading it all.
constexpr size_t kFileHeadBytes = 4096;

// The first `headBytes` bytes of a file, then, when the head is full and `wantsRest` accepts it,
// the rest of the file from the same opening (one open and one pass over the file, which a batch of
// thousands of files notices). nullopt as for ReadWholeFile.
std::optional<std::string> ReadFileHeadThenRest(const std::filesystem::path& path, size_t headBytes,
                                                const std::function<bool(std::string_view head)>& wantsRest);

// Version code by the first line as the Open command reads it (at most 99 bytes with its line end).
int OpenPathVersion(std::string_view bytes);
// Version code by the first line as the framework load reads it (the whole line); -1 for no line.
int FrameworkPathVersion(std::string_view bytes);

// The reading part of the Open command: version from the first line (at most 99 bytes), kind (a Ver2
// file by its ".cdf" ending), current sheet, clears of the record, every line in pieces of at most
// 499 bytes through ParseDataLine, then the refit of a calibration (FitCalRegression, no message) or
// the refresh of the test coefficients, and for an earlier version 3 file header fields 46-48 from
// the settings. Messages: 4012 when the file cannot be read, 32792 when it is not a data file.
LoadOutcome LoadDataFile(const std::filesystem::path& path, RecordStore& store, const SheetSettings& settings,
                         DataParserState& parser, MessageSink& sink);

// LoadDataFile on bytes already read; `fileName` decides the kind of a Ver2 file.
LoadOutcome LoadDataBytes(std::string_view bytes, std::string_view fileName, RecordStore& store,
                          const SheetSettings& settings, DataParserState& parser, MessageSink& sink);

// The framework's load of `bytes`: Ver2 files are refused with msg::UseOpenForOldVersion, other
// foreign files with 32792 (store unchanged); lines are read whole for the first and in pieces of
// 400 bytes after it. On success the remembered path of the loaded kind becomes "*.vdw" or "*.cdw".
LoadOutcome LoadDataBytesFramework(std::string_view bytes, RecordStore& store, const SheetSettings& settings,
                                   DataParserState& parser, MessageSink& sink);

// The work after the lines of a file have been parsed: refit (calibration) or coefficients (test),
// and the captions of an earlier version 3 file.
void FinishLoadedRecord(RecordStore& store, const SheetSettings& settings, int code, DataKind kind);

}  // namespace vek
