#include "app/program_folder_command.h"

#include <cstdio>
#include <filesystem>
#include <functional>

#include "core/messages.h"
#include "core/record_store.h"
#include "core/sheet_settings.h"
#include "io/help_file.h"
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

int RunInitSettingsCommand() {
  SheetSettings settings;
  RecordStore store;
  NullMessageSink quiet;  // the missing files are what this command is about
  LoadSettings(settings, store, false, quiet);
  int failures = 0;
  auto writeIfMissing = [&](const std::filesystem::path& path, const std::function<bool()>& write) {
    std::error_code ec;
    if (std::filesystem::exists(path, ec)) {
      std::printf("kept:    %s\n", path.c_str());
    } else if (write()) {
      std::printf("written: %s\n", path.c_str());
    } else {
      std::fprintf(stderr, "vek: %s\n( %s )\n", NumberedMessage(msg::CannotSave).c_str(), path.c_str());
      ++failures;
    }
  };
  const auto system = SystemSettingsHostPath(settings);
  writeIfMissing(system, [&] { return SaveSystemSettings(settings, system); });
  for (int n = 1; n <= kRoleFontCount; ++n) {
    const auto font = FontFileHostPath(settings, n);
    writeIfMissing(font, [&] { return SaveFontFile(settings.fonts[n - 1], font); });
  }
  const auto help = HelpFileHostPath(settings);
  writeIfMissing(help, [&] { return SaveFactoryHelpFile(help); });
  return failures == 0 ? 0 : 1;
}

}  // namespace vek
