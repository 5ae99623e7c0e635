#include "settings/logic/settings_save.h"

#include "io/settings_files.h"

namespace vek {

void ReportUnsavedFile(MessageSink& sink, const std::filesystem::path& hostPath) {
  sink.ShowMessage(NumberedMessage(msg::CannotSave) + "\n( " + hostPath.string() + " )");
}

bool SaveSystemSettingsReporting(const SheetSettings& settings, MessageSink& sink) {
  const std::filesystem::path path = SystemSettingsHostPath(settings);
  if (SaveSystemSettings(settings, path)) return true;
  ReportUnsavedFile(sink, path);
  return false;
}

}  // namespace vek
