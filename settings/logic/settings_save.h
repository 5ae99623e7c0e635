#pragma once
// Saving the settings a form has changed, telling the user when a file cannot be written: the new
// values then hold for this run only, and the user must know that the next start will not see them.
#include <filesystem>

#include "core/messages.h"
#include "core/sheet_settings.h"

namespace vek {

// Message 4005 followed by the file that could not be written.
void ReportUnsavedFile(MessageSink& sink, const std::filesystem::path& hostPath);

// Writes Sys.ndx into the program folder; when that fails, ReportUnsavedFile. True when written.
bool SaveSystemSettingsReporting(const SheetSettings& settings, MessageSink& sink);

}  // namespace vek
