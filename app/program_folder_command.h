#pragma once

namespace vek {

// `vek --program-folder`: loads the settings as the window does at start-up and prints the program
// folder as a host path on stdout. Messages of the load and a summary of what was loaded go to
// stderr, so that stdout holds only the path. Returns the exit status.
int RunProgramFolderCommand();

}  // namespace vek
