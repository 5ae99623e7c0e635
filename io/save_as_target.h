#pragma once
// Which file a name chosen in the Save As dialog becomes, and which record it receives.
#include <filesystem>
#include <optional>
#include <string>

#include "io/data_file_format.h"

namespace vek {

struct SaveAsTarget {
  std::filesystem::path path;  // the file to write
  DataKind kind;               // the record written into it
  bool extensionAdded = false; // the shown record's extension was appended to the chosen name
};

// ".cdw" (any case) writes the calibration record and ".vdw" the test record, whichever record is
// shown. Any other name keeps what the user typed and gets the shown record's extension appended:
// file names often carry a depth or a number with a point ("B-1_GL-5.5" -> "B-1_GL-5.5.vdw"); a
// name ending in a point takes the extension without a second one. A name with the previous
// generation's extensions (.cdf, .ddf: files this program reads but never writes) or without a
// file name is refused: nothing.
std::optional<SaveAsTarget> SaveAsTargetOf(const std::filesystem::path& chosen, DataKind shown);

// The question before an appended name replaces an existing file (UTF-8); the chooser's own
// overwrite prompt only saw the name as typed.
std::string ReplaceFileQuestion(const std::filesystem::path& path);

}  // namespace vek
