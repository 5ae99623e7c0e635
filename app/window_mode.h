#pragma once
// The desktop window of `vek [FILE]`.
#include "app/command_line.h"

class QApplication;

namespace vek {

class CMainFrame;

// The start of the window: a new document, or the command line's file through the framework load;
// then the window title and show(). False (the window stays hidden) when the file could not be
// loaded.
bool StartMainWindow(CMainFrame& frame, const CommandLineOptions& options);

// What the program does around its QApplication before any window: the names QSettings files
// the recent list under (before the application exists), then the "C" number format, Qt's
// Japanese texts and the factory program folder on a first start.
void NameApplication();
void PrepareWindowApplication(QApplication& app);

// Creates the application, the main window with a new document or the given file, and runs the
// event loop. Returns the exit status (1 when the file of the command line could not be loaded).
int RunWindow(int& argc, char** argv, const CommandLineOptions& options);

}  // namespace vek
