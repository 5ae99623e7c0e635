#pragma once
// Finding the calibration file a test names in header field 20. The header form's "開く" stores the
// path of the chosen file; a test copied to another machine or folder still names the old path, so
// the file is also looked for beside the test file.
#include <filesystem>
#include <optional>

#include "core/text_field.h"

namespace vek {

// True when field 20 names a calibration file at all (the header form takes a name of one byte or
// less as none).
bool NamesCalibration(const TextField& field20);

// The calibration file of a test: the stored name as the process opens it (an absolute path, or a
// relative one from the current folder), else the name relative to the folder of `testFile`, else
// the name's last component (after "\" or "/") in that folder. Only existing regular files count.
// Nothing when none is found or nothing is named.
std::optional<std::filesystem::path> FindNamedCalibration(const TextField& field20,
                                                          const std::filesystem::path& testFile);

}  // namespace vek
