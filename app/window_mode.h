#pragma once
// The desktop window of `vek [FILE]`.
#include "app/command_line.h"

namespace vek {

// Creates the application, the main window with a new document or the given file, and runs the
// event loop. Returns the exit status (1 when the file of the command line could not be loaded).
int RunWindow(int& argc, char** argv, const CommandLineOptions& options);

}  // namespace vek
