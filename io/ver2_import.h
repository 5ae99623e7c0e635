#pragma once
// Import of the previous generation's files (.cdf calibration, .ddf test): one value per line, header
// values in the old order, pressures in kgf/cm2. Values are moved to their current header fields,
// pressures and the calibration curve's coefficients converted with the user's factor (1 kgf/cm2 =
// factor kN/m2) and the one-field date split.
#include <string>
#include <string_view>

#include "core/legacy_origin.h"
#include "core/record_store.h"
#include "core/sheet_settings.h"
#include "io/data_file_format.h"

namespace vek {

// The conversion factor: atof of the settings' SiFactor.
double SiFactorOf(const SheetSettings& settings);

// "%g" of atof(text) * factor when the text is number-like, else "".
std::string ScaleOldValue(std::string_view text, double factor);

// Current header field of an old header position (1-40) in a file of the given kind; 0 when the
// position is not carried over.
int Ver2HeaderField(DataKind kind, int position);

// Parses one line (line end already removed) of a Ver2 file into the record of `kind`, with the
// parser state of that kind. A line beginning with "$" starts the section named by its second byte;
// header lines go through the position map, "A" lines fill test rows 12 values a row, "C" lines fill
// calibration rows 3 values a row. After header position 40 the date and scale fix-up runs.
void ParseVer2Line(RecordStore& store, SectionState& state, DataKind kind, std::string_view line,
                   double factor);

// The fix-up after the last old header line: the old one-field date in field 8 is split into year
// (8), month (9) and day (10); field 41 is multiplied by 100; field 80 marks the import.
void FixUpVer2Header(Record& record);

}  // namespace vek
