#pragma once
// Layout of the system settings file Sys.ndx: one value a line, 81 lines, line 0 the version.
#include <string>
#include <vector>

#include "core/sheet_settings.h"

namespace vek {

inline constexpr int kSystemSettingsLineCount = 81;
inline constexpr int kSystemSettingsVersion = 304;
// Files of version 300 or below predate the separate captions and margins of the formula block
// and the data table.
inline constexpr int kLastOldSystemSettingsVersion = 300;

// The bytes of Sys.ndx for `s`: 81 lines ending in CR LF; "304" in line 0, ints "%d", reals
// "%.4f", texts as they are (line ends inside a text are left out so the layout cannot shift),
// line 42 a second copy of line 1, unused lines empty.
std::string FormatSystemSettings(const SheetSettings& s);

// Stores the lines of a Sys.ndx (line 0 first) into `s`. Lines past the end of `lines` leave their
// values as they are. Int lines that are not number-like read as 0, except lines 36 and 37 (1) and
// line 60 (2). Returns the version of line 0 (0 when missing or not a number).
int ApplySystemSettingsLines(SheetSettings& s, const std::vector<std::string>& lines);

// Rules for a file of version 300 or below: the survey-name caption, engineer caption and formula
// title take their old fixed texts, and the formula and table margins take the graph margins.
void ApplyOldVersionRules(SheetSettings& s);

// Every value that Sys.ndx holds takes its factory value; fonts, locations and counters stay.
void ResetSystemValuesToFactory(SheetSettings& s);

}  // namespace vek
