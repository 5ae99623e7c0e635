#include "settings/logic/settings_storage.h"

#include "io/settings_files.h"
#include "io/settings_location.h"

namespace vek {

bool StoreSystemSettings(const SheetSettings& settings, MessageSink& sink) {
  const auto path = SystemSettingsHostPath(settings);
  if (SaveSystemSettings(settings, path)) return true;
  sink.Show(msg::CannotSaveFile, path.string());
  return false;
}

bool StoreFontFiles(const SheetSettings& settings, MessageSink& sink) {
  bool all = true;
  for (int n = 1; n <= kRoleFontCount; ++n) {
    const auto path = FontFileHostPath(settings, n);
    if (SaveFontFile(settings.fonts[n - 1], path)) continue;
    sink.Show(msg::CannotSaveFile, path.string());
    all = false;
  }
  return all;
}

}  // namespace vek
