#include "io/settings_summary.h"

#include <cstdio>
#include <filesystem>

#include "core/encoding.h"
#include "io/program_folder.h"
#include "io/settings_location.h"

namespace vek {

namespace {

const char* PresentOrMissing(const std::filesystem::path& p) {
  std::error_code ec;
  return std::filesystem::is_regular_file(p, ec) ? "read" : "missing, factory values";
}

const char* EnterKeyName(int mode) {
  switch (mode) {
    case 0: return "same as OK";
    case 1: return "next field";
    case 2: return "confirm only";
    default: return "unknown";
  }
}

}  // namespace

std::string DescribeSettings(const SheetSettings& s) {
  std::string out;
  char buf[512];
  out += "program folder: " + Cp932ToUtf8(ProgramFolder(s)) + " (" + Utf8FromHostPath(ProgramFolderHostPath(s)) + ")\n";
  out += std::string("Sys.ndx: ") + PresentOrMissing(SystemSettingsHostPath(s)) + "\n";
  std::snprintf(buf, sizeof buf,
                "  length unit %s, conversion factor %s, probe ro %.4f cm L %.4f cm Ac %.4f cm2, "
                "Enter key: %s\n",
                s.LengthUnit == 1 ? "m" : "cm", Cp932ToUtf8(s.SiFactor).c_str(), s.DefaultSondeRadius,
                s.DefaultSondeLength, s.DefaultStandpipeArea, EnterKeyName(s.EnterKeyMode));
  out += buf;
  for (int n = 1; n <= kRoleFontCount; ++n) {
    const RoleFont& f = s.fonts[n - 1];
    std::snprintf(buf, sizeof buf, "Font%d.ndx: %s; %s %.1f pt, colour 0x%06x\n", n,
                  PresentOrMissing(FontFileHostPath(s, n)), Cp932ToUtf8(f.face).c_str(), f.size,
                  static_cast<unsigned>(f.colour) & 0xffffffu);
    out += buf;
  }
  return out;
}

}  // namespace vek
