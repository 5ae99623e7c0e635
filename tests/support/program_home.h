#pragma once
// A program folder in a temporary VEK_HOME for the forms' tests, and calibration files written in
// the layout of the data files with a chosen first line.
#include <string>

#include "core/sheet_settings.h"
#include "io/settings_location.h"
#include "support/temp_dir.h"

namespace vek::testing {

struct ProgramHome {
  ProgramHome() {
    settings.windowsDrive = "C:";
    settings.installDrive = "C";
    settings.installFolder = "\\Kavrion\\Pemo5";
  }
  std::filesystem::path Folder() const { return ProgramFolderHostPath(settings); }
  // The previous generation's folder ("o5" -> "o4").
  std::filesystem::path OldFolder() const { return Folder().parent_path() / "Pemo4"; }

  TempHome home;
  SheetSettings settings;
};

// A calibration file: `firstLine`, 90 header lines (25-29 "c1".."c5"), then `rows` "C" rows with
// P = 10 r, H' = 2 r + 5, H = 2 r.
inline std::string CalFileBytes(const std::string& firstLine, int rows) {
  std::string b = firstLine + "\r\n$$Z\r\n";
  for (int n = 1; n <= 90; ++n) {
    b += (n >= 25 && n <= 29) ? "0." + std::to_string(n - 24) : (n == 1 ? std::string("cal") : std::string());
    b += "\r\n";
  }
  b += "$$C\r\n";
  for (int r = 1; r <= rows; ++r) {
    b += std::to_string(10 * r) + "," + std::to_string(2 * r + 5) + "," + std::to_string(2 * r) + "\r\n";
  }
  return b;
}

}  // namespace vek::testing
