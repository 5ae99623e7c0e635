#pragma once
// Taking a calibration file over into the test record ("開く" of the test header form, and
// --attach-cal on the command line): its calibration rows become the test's TestCalRows and its
// coefficient fields 25-29 the test's fields 25-29.
#include <filesystem>
#include <string_view>

#include "core/record_store.h"

namespace vek {

class MessageSink;

// NameNotStorable: the file's name cannot go into header field 20 (AttachCalibration); nothing
// changed.
enum class AttachResult { Attached, CannotOpen, NotCalibration, NameNotStorable };

// Reads the calibration file at `path` into the test record: message 4012 when it cannot be read and
// msg::NotCalibrationFile when its first line lacks the calibration magic (nothing changes in either
// case); otherwise TestCalRows are cleared and refilled from its "C" section (rows 1-40), test header
// fields 25-29 take its header lines 25-29 and the test coefficients are refreshed. Header field 20
// is left to the caller (the form sets it on OK).
AttachResult AttachCalibrationFile(RecordStore& store, const std::filesystem::path& path, MessageSink& sink);

}  // namespace vek
