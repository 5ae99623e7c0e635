#include "io/program_folder.h"

#include <cctype>
#include <cstdlib>

#include "core/encoding.h"
#include "io/platform/platform.h"

namespace vek {

namespace fs = std::filesystem;

namespace {

// The host folder of drive `letter` (an upper-case letter).
fs::path DriveFolder(char letter) {
  if (const auto root = DriveRoot()) return *root / std::string(1, letter);
  return *platform::HostDriveFolder(letter);
}

// Appends one name to `path` as a name: a part such as "D:" must not restart the path elsewhere.
void AppendName(fs::path& path, std::string_view utf8) {
  path /= fs::path();
  path += HostPathFromUtf8(utf8);
}

}  // namespace

fs::path HostPathFromUtf8(std::string_view utf8) {
  return fs::path(std::u8string(reinterpret_cast<const char8_t*>(utf8.data()), utf8.size()));
}

std::string Utf8FromHostPath(const fs::path& path) {
  const std::u8string u8 = path.u8string();
  return std::string(reinterpret_cast<const char*>(u8.data()), u8.size());
}

std::optional<fs::path> DriveRoot() {
  if (const char* v = std::getenv("VEK_HOME"); v && *v) return HostPathFromUtf8(v);
  if (platform::HostDriveFolder('C')) return std::nullopt;
  if (const char* x = std::getenv("XDG_DATA_HOME"); x && *x) return HostPathFromUtf8(x) / "vek";
  const char* home = std::getenv("HOME");
  return HostPathFromUtf8(home && *home ? home : "/tmp") / ".local" / "share" / "vek";
}

std::string WindowsDrive() { return DriveRoot() ? std::string("C:") : platform::WindowsDrive(); }

fs::path MapWindowsPath(std::string_view windowsPath) {
  char drive = 'C';
  std::string_view rest = windowsPath;
  if (rest.size() >= 2 && rest[1] == ':' && std::isalpha(static_cast<unsigned char>(rest[0]))) {
    drive = static_cast<char>(std::toupper(static_cast<unsigned char>(rest[0])));
    rest.remove_prefix(2);
  }
  const fs::path driveFolder = DriveFolder(drive);
  fs::path out = driveFolder;
  // Split on backslashes (and slashes), skipping the second byte of double-byte characters, which
  // may be 0x5C in CP932. ".." climbs one folder but never above the drive's folder, as on a drive
  // whose root has no parent.
  std::string part;
  auto flush = [&] {
    if (part == "..") {
      if (out != driveFolder) out = out.parent_path();
    } else if (!part.empty() && part != ".") {
      AppendName(out, Cp932ToUtf8(part));
    }
    part.clear();
  };
  for (size_t i = 0; i < rest.size(); ++i) {
    unsigned char c = static_cast<unsigned char>(rest[i]);
    if (IsCp932LeadByte(c) && i + 1 < rest.size()) {
      part += rest[i];
      part += rest[++i];
    } else if (c == '\\' || c == '/') {
      flush();
    } else {
      part += static_cast<char>(c);
    }
  }
  flush();
  return out;
}

fs::path LocationFilePath(std::string_view drive) {
  std::string p(drive.substr(0, 2));
  p += kLocationFileName;
  return MapWindowsPath(p);
}

std::optional<std::string> CurrentDirectoryAsWindowsPath() {
  std::error_code ec;
  fs::path cwd = fs::current_path(ec);
  if (ec) return std::nullopt;
  std::string drive;
  fs::path rel;
  if (const auto mapped = DriveRoot()) {
    // <root>/X/A/B: the first folder below the root names the drive.
    fs::path root = fs::weakly_canonical(*mapped, ec);
    if (ec) return std::nullopt;
    rel = fs::weakly_canonical(cwd, ec).lexically_relative(root);
    if (ec || rel.empty() || *rel.begin() == "..") return std::nullopt;
    drive = Utf8FromHostPath(*rel.begin());
    rel = rel.lexically_relative(*rel.begin());
  } else {
    // X:\A\B on a host with drives; a network path names no drive.
    const std::string name = Utf8FromHostPath(cwd.root_name());
    if (name.size() != 2 || name[1] != ':') return std::nullopt;
    drive = name.substr(0, 1);
    rel = cwd.relative_path();
  }
  if (drive.size() != 1 || !std::isalpha(static_cast<unsigned char>(drive[0]))) return std::nullopt;
  std::string out = drive + ":";
  for (const fs::path& part : rel)
    if (!part.empty() && part != ".") out += "\\" + Sjis(Utf8FromHostPath(part));
  if (out.size() == 2) out += "\\";
  return out;
}

}  // namespace vek
