// The settings files: the input holds, cut at NUL bytes, the location file, Sys.ndx and Font1.ndx …
// Font6.ndx. They are written into the process's program folder and read as at start-up; the
// settings are then saved and read back.
#include <string>

#include "core/messages.h"
#include "fuzz/fuzz_support.h"
#include "io/program_folder.h"
#include "io/settings_files.h"
#include "io/settings_location.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace vek;
  namespace fs = std::filesystem;
  const fs::path home = fuzz::FuzzHome();
  const auto parts = fuzz::SplitInput(fuzz::Bytes(data, size), 8);
  std::error_code ec;
  fs::remove_all(home, ec);
  fs::create_directories(home);
  fuzz::WriteInputFile(LocationFilePath(WindowsDrive()), parts[0]);
  // The files go to the default folder; a location file may name another one, which then has none.
  const fs::path folder = MapWindowsPath(std::string("C:") + std::string(kDefaultInstallFolder));
  fuzz::WriteInputFile(folder / "Sys.ndx", parts[1]);
  for (int n = 1; n <= 6; ++n) fuzz::WriteInputFile(folder / ("Font" + std::to_string(n) + ".ndx"), parts[1 + n]);

  NullMessageSink sink;
  SheetSettings settings;
  RecordStore store;
  LoadSettings(settings, store, false, sink);
  const fs::path programFolder = ProgramFolderHostPath(settings);
  // Saving is only tried inside the program's own folders.
  if (programFolder.lexically_relative(home).empty() || *programFolder.lexically_relative(home).begin() == "..")
    __builtin_trap();
  if (fs::is_directory(programFolder) && SaveSystemSettings(settings, SystemSettingsHostPath(settings))) {
    SheetSettings again;
    LoadSettings(again, store, false, sink);
  }
  return 0;
}
