#pragma once

namespace vek {

// `vek --program-folder`: loads the settings as the window does at start-up and prints the program
// folder as a host path on stdout. Messages of the load and a summary of what was loaded go to
// stderr, so that stdout holds only the path. Returns the exit status.
int RunProgramFolderCommand();

// `vek --init-settings`: writes the factory Sys.ndx, font files and Help.txt into the program folder where they
// are missing (an existing file is never touched), as an installation would, so that the window
// starts without the "file not found" messages. Prints each file written. Returns the exit status.
int RunInitSettingsCommand();

}  // namespace vek
