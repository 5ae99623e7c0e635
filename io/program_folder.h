#pragma once
// Maps the program's Windows-style locations ("D:\Kavrion\Pemo5") onto host paths.
// On Windows a drive is the drive itself: "D:\Kavrion\Pemo5" is that folder. Elsewhere drive
// letter X is the host directory <root>/X, where root is $VEK_HOME, else $XDG_DATA_HOME/vek, else
// ~/.local/share/vek. $VEK_HOME, when set, moves the drives below it on Windows too (tests, a
// portable installation). Stored strings keep their backslashes; they become separators only here.
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace vek {

// The directory that holds the drive folders; nullopt where the drives are the host's own.
std::optional<std::filesystem::path> DriveRoot();

// The "Windows drive": always "C:".
std::string WindowsDrive();

// "X:\A\B" (CP932 bytes) -> <root>/X/A/B (Windows: X:\A\B). A path without a drive is taken
// relative to drive C. ".." never climbs above the drive.
std::filesystem::path MapWindowsPath(std::string_view windowsPath);

// The host path of the location file "\Kavrion\Dorix5.whr" on the given drive ("C:").
std::filesystem::path LocationFilePath(std::string_view drive);

// The current directory as a Windows-style path when it lies inside a mapped drive folder
// ("D:\work"), else nullopt (it then names no drive).
std::optional<std::string> CurrentDirectoryAsWindowsPath();

// Host paths from and to UTF-8 text, the same on every platform (a plain std::string path would be
// read in the Windows ANSI code page there).
std::filesystem::path HostPathFromUtf8(std::string_view utf8);
std::string Utf8FromHostPath(const std::filesystem::path& path);

inline constexpr std::string_view kDefaultInstallFolder = "\\Kavrion\\Pemo5";
inline constexpr std::string_view kLocationFileName = "\\Kavrion\\Dorix5.whr";

}  // namespace vek
