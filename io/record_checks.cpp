#include "io/record_checks.h"

#include <memory>

#include "core/messages.h"
#include "io/data_file_attach.h"

namespace vek {

std::vector<Finding> CheckLoadedFile(const RecordStore& store, const SheetSettings& settings,
                                     const std::filesystem::path& file) {
  if (store.currentSheet != kCalibrationSheet) return CheckTestRecord(store, settings);
  // Attaching the file to a scratch test reads its coefficient lines as they stand. A previous
  // generation's file has none of its own: its record's refitted ones stand in.
  NullMessageSink quiet;
  auto scratch = std::make_unique<RecordStore>();
  std::array<TextField, 5> stored = CoefficientTexts(store.calibration);
  if (AttachCalibrationFile(*scratch, file, quiet) == AttachResult::Attached) stored = CoefficientTexts(scratch->test);
  return CheckCalibrationRecord(store.calibration, stored);
}

}  // namespace vek
