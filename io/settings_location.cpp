#include "io/settings_location.h"

#include <cctype>
#include <cstdio>

#include "io/program_folder.h"
#include "io/safe_write.h"
#include "io/settings_line_reader.h"

namespace vek {

namespace fs = std::filesystem;

namespace {

constexpr size_t kLocationLineLimit = 79;

bool IsDriveLetter(char c) { return std::isalpha(static_cast<unsigned char>(c)) != 0; }

// A location text names a drive and a folder when it has at least three characters; the drive is
// its first character and the folder everything from its third on.
bool TakeLocation(const std::string& text, SheetSettings& s) {
  if (text.size() < 3 || !IsDriveLetter(text[0])) return false;
  s.installDrive = std::string(1, text[0]);
  s.installFolder = text.substr(2);
  return true;
}

}  // namespace

std::string ProgramFolder(const SheetSettings& s) { return s.installDrive + ":" + s.installFolder; }
fs::path ProgramFolderHostPath(const SheetSettings& s) { return MapWindowsPath(ProgramFolder(s)); }

std::string SystemSettingsPath(const SheetSettings& s) { return ProgramFolder(s) + "\\Sys.ndx"; }
fs::path SystemSettingsHostPath(const SheetSettings& s) { return MapWindowsPath(SystemSettingsPath(s)); }

std::string FontFilePath(const SheetSettings& s, int n) {
  char name[32];
  std::snprintf(name, sizeof name, "\\Font%d.ndx", n);
  return ProgramFolder(s) + name;
}
fs::path FontFileHostPath(const SheetSettings& s, int n) { return MapWindowsPath(FontFilePath(s, n)); }

std::string EngineerListPathOf(const SheetSettings& s) { return ProgramFolder(s) + "\\M.mst"; }
std::string SoilListPathOf(const SheetSettings& s) { return ProgramFolder(s) + "\\D.mst"; }

std::string ReadLocationText(std::string_view drive) {
  auto lines = ReadSettingsLines(LocationFilePath(drive), kLocationLineLimit, 1);
  if (!lines || lines->empty() || (*lines)[0].size() <= 1) return {};
  return (*lines)[0];
}

void DetectInstallLocation(SheetSettings& s) {
  s.installDrive.clear();
  s.installFolder.clear();
  s.windowsDrive.clear();

  std::string windowsDirectory = WindowsDrive();
  std::string location;
  if (windowsDirectory.size() > 1) {
    s.windowsDrive = windowsDirectory.substr(0, 2);
    location = ReadLocationText(s.windowsDrive);
  }
  if (location.size() < 3) {
    // Second candidate: the location file on the drive of the current directory.
    if (auto cwd = CurrentDirectoryAsWindowsPath(); cwd && cwd->size() >= 2)
      TakeLocation(ReadLocationText(cwd->substr(0, 2)), s);
  } else {
    TakeLocation(location, s);
  }
  if (s.installDrive.empty() || s.installFolder.size() <= 1) {
    s.installDrive = std::string(1, s.windowsDrive.empty() ? 'C' : s.windowsDrive[0]);
    s.installFolder = std::string(kDefaultInstallFolder);
  }
}

bool WriteLocationFile(std::string_view drive, std::string_view folder) {
  fs::path path = LocationFilePath(WindowsDrive());
  std::error_code ec;
  fs::create_directories(path.parent_path(), ec);
  std::string line(drive);
  line += ':';
  line += folder;
  line += "\r\n";
  return WriteFileAtomically(path, line);
}

}  // namespace vek
