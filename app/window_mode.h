#pragma once
// The desktop window of `vek [FILE]`.
#include "app/command_line.h"

namespace vek {

class CMainFrame;

// The start of the window: a new document, or the command line's file through the framework load;
// then the window title and show(). False (the window stays hidden) when the file could not be
// loaded.
bool StartMainWindow(CMainFrame& frame, const CommandLineOptions& options);

// Creates the application, the main window with a new document or the given file, and runs the
// event loop. Returns the exit status (1 when the file of the command line could not be loaded).
int RunWindow(int& argc, char** argv, const CommandLineOptions& options);

}  // namespace vek
