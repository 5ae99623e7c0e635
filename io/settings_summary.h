#pragma once
// A short, readable account of the settings in use, for the command line.
#include <string>

#include "core/sheet_settings.h"

namespace vek {

// UTF-8 lines: the program folder (Windows-style and host path), whether Sys.ndx and each font
// file is present there, and the values an engineer most often asks about.
std::string DescribeSettings(const SheetSettings& settings);

}  // namespace vek
