#include "io/settings_install.h"

#include <functional>

#include "core/messages.h"
#include "core/record_store.h"
#include "core/sheet_settings.h"
#include "io/settings_files.h"

namespace vek {

namespace fs = std::filesystem;

namespace {

// Settings as the first load of a run leaves them: location found, factory values where the files
// are missing. The missing files are what the callers are about, so nothing is reported.
SheetSettings LoadedQuietly() {
  SheetSettings settings;
  RecordStore store;
  NullMessageSink quiet;
  LoadSettings(settings, store, false, quiet);
  return settings;
}

}  // namespace

std::vector<InstalledFile> WriteMissingSettingsFiles() {
  const SheetSettings settings = LoadedQuietly();
  std::vector<InstalledFile> files;
  auto writeIfMissing = [&](const fs::path& path, const std::function<bool()>& write) {
    std::error_code ec;
    InstalledFile::Outcome outcome = InstalledFile::Outcome::Kept;
    if (!fs::exists(path, ec)) outcome = write() ? InstalledFile::Outcome::Written : InstalledFile::Outcome::Failed;
    files.push_back({path, outcome});
  };
  const fs::path system = SystemSettingsHostPath(settings);
  writeIfMissing(system, [&] { return SaveSystemSettings(settings, system); });
  for (int n = 1; n <= kRoleFontCount; ++n) {
    const fs::path font = FontFileHostPath(settings, n);
    writeIfMissing(font, [&] { return SaveFontFile(settings.fonts[n - 1], font); });
  }
  return files;
}

bool ProgramFolderMissing() {
  std::error_code ec;
  return !fs::exists(ProgramFolderHostPath(LoadedQuietly()), ec);
}

bool InstallSettingsOnFirstStart() {
  if (!ProgramFolderMissing()) return false;
  WriteMissingSettingsFiles();
  return true;
}

}  // namespace vek
