#pragma once
// The help text "Help.txt" in the program folder: plain Shift_JIS text that the help form lists and
// hands to a text editor. The text shipped with the program is built in, so that an installation
// can put it in place.
#include <filesystem>
#include <string>

#include "core/sheet_settings.h"

namespace vek {

// Program folder + "\Help.txt", and where that lies on this machine.
std::string HelpFilePath(const SheetSettings& settings);
std::filesystem::path HelpFileHostPath(const SheetSettings& settings);

// The shipped help text as the file holds it: CP932, every line ending in CR LF.
std::string FactoryHelpText();

// Writes the shipped help text to `hostPath`, creating its folder when missing. False when it
// cannot be written (an old file then stays as it was).
bool SaveFactoryHelpFile(const std::filesystem::path& hostPath);

}  // namespace vek
