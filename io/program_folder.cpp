#include "io/program_folder.h"

#include <cctype>
#include <cstdlib>

#include "core/encoding.h"

namespace vek {

namespace fs = std::filesystem;

fs::path DriveRoot() {
  if (const char* v = std::getenv("VEK_HOME"); v && *v) return fs::path(v);
  if (const char* x = std::getenv("XDG_DATA_HOME"); x && *x) return fs::path(x) / "vek";
  const char* home = std::getenv("HOME");
  return fs::path(home && *home ? home : "/tmp") / ".local" / "share" / "vek";
}

std::string WindowsDrive() { return "C:"; }

fs::path MapWindowsPath(std::string_view windowsPath) {
  char drive = 'C';
  std::string_view rest = windowsPath;
  if (rest.size() >= 2 && rest[1] == ':' && std::isalpha(static_cast<unsigned char>(rest[0]))) {
    drive = static_cast<char>(std::toupper(static_cast<unsigned char>(rest[0])));
    rest.remove_prefix(2);
  }
  const fs::path driveFolder = DriveRoot() / std::string(1, drive);
  fs::path out = driveFolder;
  // Split on backslashes (and slashes), skipping the second byte of double-byte characters, which
  // may be 0x5C in CP932. ".." climbs one folder but never above the drive's folder, as on a drive
  // whose root has no parent.
  std::string part;
  auto flush = [&] {
    if (part == "..") {
      if (out != driveFolder) out = out.parent_path();
    } else if (!part.empty() && part != ".") {
      out /= Cp932ToUtf8(part);
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
  fs::path root = fs::weakly_canonical(DriveRoot(), ec);
  if (ec) return std::nullopt;
  fs::path rel = fs::weakly_canonical(cwd, ec).lexically_relative(root);
  if (ec || rel.empty() || *rel.begin() == "..") return std::nullopt;
  auto it = rel.begin();
  std::string drive = it->string();
  if (drive.size() != 1 || !std::isalpha(static_cast<unsigned char>(drive[0]))) return std::nullopt;
  std::string out = drive + ":";
  for (++it; it != rel.end(); ++it) out += "\\" + Sjis(it->string());
  if (out.size() == 2) out += "\\";
  return out;
}

}  // namespace vek
