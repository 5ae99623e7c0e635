#pragma once
// Test files for the report: copies of the bundled test sample with their own boring, depth and
// calibration name (header fields 2, 3 and 20), written beside a copy of the calibration sample.
#include <filesystem>
#include <string>

#include "core/encoding.h"
#include "support/temp_dir.h"

namespace vek::testing {

inline std::string WithHeaderLine(std::string bytes, int field, const std::string& cp932) {
  // Field n is line n + 2 (after the magic line and "$$Z"); lines end with CR LF.
  size_t start = 0;
  for (int line = 1; line < field + 2; ++line) start = bytes.find("\r\n", start) + 2;
  const size_t end = bytes.find("\r\n", start);
  return bytes.replace(start, end - start, cp932);
}

// A test named `name` in `dir`, from the sample, with boring `boring`, depth `depth` (m, as typed)
// and calibration name `cal` (UTF-8).
inline std::filesystem::path MakeReportTest(const std::filesystem::path& dir, const std::string& name,
                                            const std::string& boring, const std::string& depth,
                                            const std::string& cal = "cal-sample.cdw") {
  std::string bytes = ReadFileBytes(std::filesystem::path(VEK_SAMPLES_DIR) / "test-sample.vdw");
  bytes = WithHeaderLine(bytes, 2, Sjis(boring));
  bytes = WithHeaderLine(bytes, 3, depth);
  bytes = WithHeaderLine(bytes, 20, Sjis(cal));
  const auto path = dir / name;
  WriteFileBytes(path, bytes);
  return path;
}

inline void CopyCalibrationSample(const std::filesystem::path& dir, const std::string& name = "cal-sample.cdw") {
  WriteFileBytes(dir / name, ReadFileBytes(std::filesystem::path(VEK_SAMPLES_DIR) / "cal-sample.cdw"));
}

}  // namespace vek::testing
