#pragma once
// The data checks of a record read from a file. A calibration is refitted when it is loaded, so the
// coefficients its file carries (the ones a test attached to it copies) are read from the file.
#include <filesystem>
#include <vector>

#include "core/data_checks.h"

namespace vek {

// Findings of the store's current record, loaded from `file`.
std::vector<Finding> CheckLoadedFile(const RecordStore& store, const SheetSettings& settings,
                                     const std::filesystem::path& file);

}  // namespace vek
