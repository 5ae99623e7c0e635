#pragma once
// Writing the factory settings files into the program folder, as an installation does: Sys.ndx and
// Font1.ndx ... Font6.ndx where they are missing. An existing file is never touched.
#include <filesystem>
#include <vector>

namespace vek {

struct InstalledFile {
  enum class Outcome { Kept, Written, Failed };
  std::filesystem::path path;
  Outcome outcome = Outcome::Kept;
};

// Finds the program folder as start-up does and writes every missing settings file with its factory
// content (the folder is created when needed). One entry per file, in the order written.
std::vector<InstalledFile> WriteMissingSettingsFiles();

// True when the program folder that start-up would use does not exist yet (a fresh machine).
bool ProgramFolderMissing();

// The first start of the window on a fresh machine: when the program folder does not exist, it is
// created with the factory files, so that the start is quiet. A folder that exists is left alone
// (its missing files are reported by the settings load). True when the folder was created.
bool InstallSettingsOnFirstStart();

}  // namespace vek
