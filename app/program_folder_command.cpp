#include "app/program_folder_command.h"

#include <cstdio>

#include "core/messages.h"
#include "core/record_store.h"
#include "core/sheet_settings.h"
#include "io/settings_files.h"
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

}  // namespace vek
