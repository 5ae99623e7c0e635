#pragma once
// Settings loaded from a fresh home as the window does at start-up, with Sys.ndx and the location
// file written where a test wants them.
#include <filesystem>
#include <string>

#include "core/messages.h"
#include "core/record_store.h"
#include "core/sheet_settings.h"
#include "io/settings_files.h"
#include "support/temp_dir.h"

namespace vek::testing {

struct LoadedSettings {
  TempHome home;
  SheetSettings settings;
  RecordStore store;
  RecordingMessageSink sink;

  std::filesystem::path Folder(const std::string& drive, const std::string& folder) const {
    return home.path() / drive / folder;
  }
  std::filesystem::path DefaultFolder() const { return Folder("C", "Kavrion/Pemo5"); }

  // Runs the start-up load; the messages of the load are dropped.
  void Load() {
    LoadSettings(settings, store, false, sink);
    sink.shown.clear();
  }
};

}  // namespace vek::testing
