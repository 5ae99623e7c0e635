#pragma once
// vek --suggest FILE... : the suggested Po, Py' and Pl' steps of each test file, one line per file.
#include <string>
#include <string_view>

#include "app/command_line.h"
#include "core/step_suggestion.h"

namespace vek {

class MessageSink;

// Why a record has no suggestion, for the command line.
std::string SuggestionRefusal(const StepSuggestion& s);

// A file name as one field of a --suggest line: a backslash, line break or tab written as "\\",
// "\n", "\r" or "\t", so that every file keeps to its one line and its fields.
std::string EscapedFileName(std::string_view name);

// Each input is loaded (and given --attach-cal and --reduce) as --convert does; `out` receives
// "FILE<TAB>Po<TAB>Py'<TAB>Pl'" or "FILE<TAB>-<TAB>reason" per file. Returns 0 when every file had
// a suggestion, 1 otherwise, 2 when an option does not fit a file.
int RunSuggest(const CommandLineOptions& o, MessageSink& sink, std::string& out);

}  // namespace vek
