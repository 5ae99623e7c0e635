#include "app/program_folder_command.h"

#include <cstdio>
#include <filesystem>

#include "core/messages.h"
#include "core/record_store.h"
#include "core/sheet_settings.h"
#include "io/settings_files.h"
#include "io/settings_install.h"
#include "io/settings_summary.h"

namespace vek {

int RunProgramFolderCommand() {
  SheetSettings settings;
  RecordStore store;
  StderrMessageSink sink;
  LoadSettings(settings, store, false, sink);
  std::fputs(DescribeSettings(settings).c_str(), stderr);
  std::printf("%s\n", ProgramFolderHostPath(settings).c_str());
  return std::fflush(stdout) == 0 ? 0 : 1;
}

int RunInitSettingsCommand() {
  int failures = 0;
  for (const InstalledFile& file : WriteMissingSettingsFiles()) {
    switch (file.outcome) {
      case InstalledFile::Outcome::Kept:
        std::printf("kept:    %s\n", file.path.c_str());
        break;
      case InstalledFile::Outcome::Written:
        std::printf("written: %s\n", file.path.c_str());
        break;
      case InstalledFile::Outcome::Failed:
        std::fprintf(stderr, "vek: %s\n( %s )\n", NumberedMessage(msg::CannotSave).c_str(), file.path.c_str());
        ++failures;
        break;
    }
  }
  return failures == 0 ? 0 : 1;
}

}  // namespace vek
