#pragma once
// Loading and saving the settings kept in the program folder: Sys.ndx and Font1.ndx ... Font6.ndx.
#include <filesystem>

#include "core/messages.h"
#include "core/record_store.h"
#include "core/sheet_settings.h"
#include "io/settings_header_defaults.h"
#include "io/settings_location.h"

namespace vek {

// Brings the settings up to date; run at every view update (reload = false) and by the setup form
// after it has changed the install location (reload = true).
//  - The first call of the process finds the program folder (DetectInstallLocation).
//  - Sys.ndx is read once (again after a reload); when missing, the factory values are taken and
//    message 4012 names the file. Files of version 300 or below get the old captions and margins.
//  - Every call repairs implausible probe defaults and conversion factor and runs
//    FillHeaderDefaults.
//  - The font files are read once (again after a reload); a missing Font1.ndx shows message 4012.
// Nothing is created on disk.
void LoadSettings(SheetSettings& settings, RecordStore& store, bool reload, MessageSink& sink);

// Repairs values that would make the sheets meaningless: a conversion factor below 10 becomes
// "100.0", a probe radius below 0.9 becomes 4.0, a probe length or standpipe area below 0.1 their
// factory values. Non-finite values count as implausible.
void RepairNumericDefaults(SheetSettings& settings);

// Reads font file n (1-6) into `font`; missing lines and a missing file leave the reset values
// (size 0, "ＭＳ 明朝", colour 0, no underline), and the size is then checked against the role's
// range. Returns false when the file cannot be opened.
bool LoadFontFile(const std::filesystem::path& hostPath, int n, RoleFont& font);

// Writes Sys.ndx (81 lines, CR LF) to `hostPath`, creating its folder when missing. The old file is
// replaced only after a complete write. False when it cannot be written.
bool SaveSystemSettings(const SheetSettings& settings, const std::filesystem::path& hostPath);

// Writes one font file: size "%.1f", face, colour "%ld", underline "%d", each line CR LF. Same
// rules as SaveSystemSettings.
bool SaveFontFile(const RoleFont& font, const std::filesystem::path& hostPath);

// Writes Font1.ndx ... Font6.ndx into the program folder; a file that cannot be written is
// skipped. True when all six were written.
bool SaveAllFontFiles(const SheetSettings& settings);

}  // namespace vek
