#include "io/settings_files.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "core/encoding.h"
#include "io/program_folder.h"
#include "io/safe_write.h"
#include "io/settings_line_reader.h"
#include "io/settings_sys_format.h"

namespace vek {

namespace fs = std::filesystem;

namespace {

constexpr size_t kSystemLineLimit = 255;
constexpr size_t kFontLineLimit = 79;
constexpr int kFontFileLines = 4;

// A face name of at most one character names no font.
bool HasFaceName(const TextField& face) {
  if (face.empty()) return false;
  size_t first = IsCp932LeadByte(static_cast<unsigned char>(face[0])) ? 2 : 1;
  return face.size() > first;
}

// Fonts 1 (headings) and 5 (titles) may be large; the others are body text.
void CheckFontSize(int n, RoleFont& font) {
  const bool large = n == 1 || n == 5;
  const double limit = large ? 400.0 : 100.0;
  if (!(font.size > 1.0 && font.size <= limit)) font.size = large ? 11.0 : 9.0;
}

bool TooSmall(double v, double bound) { return !std::isfinite(v) || v < bound; }

void LoadSystemFile(SheetSettings& settings, MessageSink& sink) {
  if (auto lines = ReadSettingsLines(SystemSettingsHostPath(settings), kSystemLineLimit,
                                     kSystemSettingsLineCount)) {
    int version = ApplySystemSettingsLines(settings, *lines);
    if (version <= kLastOldSystemSettingsVersion) ApplyOldVersionRules(settings);
  } else {
    ResetSystemValuesToFactory(settings);
    // The host path, so that the user can find the file on this system.
    sink.Show(msg::FileNotFound, Utf8FromHostPath(SystemSettingsHostPath(settings)));
  }
  settings.engineerListPath = EngineerListPathOf(settings);
  settings.soilListPath = SoilListPathOf(settings);
}

// Writes bytes into `hostPath`, creating the folder first (the program folder of a fresh
// installation does not exist yet).
bool SaveSettingsFile(const fs::path& hostPath, const std::string& bytes) {
  std::error_code ec;
  if (hostPath.has_parent_path()) fs::create_directories(hostPath.parent_path(), ec);
  return WriteFileAtomically(hostPath, bytes);
}


}  // namespace

void RepairNumericDefaults(SheetSettings& s) {
  if (TooSmall(std::atof(s.SiFactor.c_str()), 10.0)) s.SiFactor = "100.0";
  if (TooSmall(s.DefaultSondeRadius, 0.9)) s.DefaultSondeRadius = 4.0;
  if (TooSmall(s.DefaultSondeLength, 0.1)) s.DefaultSondeLength = 60.0;
  if (TooSmall(s.DefaultStandpipeArea, 0.1)) s.DefaultStandpipeArea = 108.5;
}

bool LoadFontFile(const fs::path& hostPath, int n, RoleFont& font) {
  font = RoleFont{};
  font.face = Sjis("ＭＳ 明朝");
  auto lines = ReadSettingsLines(hostPath, kFontLineLimit, kFontFileLines);
  if (lines) {
    const std::vector<std::string>& l = *lines;
    if (l.size() > 0) font.size = std::atof(l[0].c_str());
    if (l.size() > 1) font.face = l[1];
    if (l.size() > 2) font.colour = static_cast<int32_t>(std::atol(l[2].c_str()));
    if (l.size() > 3) font.underline = std::atoi(l[3].c_str());
  }
  if (!HasFaceName(font.face)) font.face = Sjis("ＭＳ 明朝");
  CheckFontSize(n, font);
  return lines.has_value();
}

void LoadSettings(SheetSettings& settings, RecordStore& store, bool reload, MessageSink& sink) {
  if (reload) {
    settings.systemFileCounter = 0;
    settings.fontCounter = 0;
  }
  if (settings.locationCounter == 0) {
    ++settings.locationCounter;
    DetectInstallLocation(settings);
  }
  if (settings.systemFileCounter == 0) {
    ++settings.systemFileCounter;
    LoadSystemFile(settings, sink);
  }
  RepairNumericDefaults(settings);
  FillHeaderDefaults(settings, store);
  if (settings.fontCounter == 0) {
    ++settings.fontCounter;
    for (int n = 1; n <= kRoleFontCount; ++n) {
      bool opened = LoadFontFile(FontFileHostPath(settings, n), n, settings.fonts[n - 1]);
      if (!opened && n == 1) sink.Show(msg::FileNotFound, Utf8FromHostPath(FontFileHostPath(settings, n)));
    }
  }
}

bool SaveSystemSettings(const SheetSettings& settings, const fs::path& hostPath) {
  return SaveSettingsFile(hostPath, FormatSystemSettings(settings));
}

bool SaveFontFile(const RoleFont& font, const fs::path& hostPath) {
  std::string out;
  char buf[512];
  std::snprintf(buf, sizeof buf, "%.1f\r\n", font.size);
  out += buf;
  out += AsOneLine(font.face);
  out += "\r\n";
  std::snprintf(buf, sizeof buf, "%ld\r\n", static_cast<long>(font.colour));
  out += buf;
  std::snprintf(buf, sizeof buf, "%d\r\n", font.underline);
  out += buf;
  return SaveSettingsFile(hostPath, out);
}

bool SaveAllFontFiles(const SheetSettings& settings) {
  bool all = true;
  for (int n = 1; n <= kRoleFontCount; ++n)
    if (!SaveFontFile(settings.fonts[n - 1], FontFileHostPath(settings, n))) all = false;
  return all;
}

}  // namespace vek
