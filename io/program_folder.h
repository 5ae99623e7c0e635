#pragma once
// Maps the program's Windows-style locations ("D:\Kavrion\Pemo5") onto host paths.
// Drive letter X is the host directory <root>/X, where root is $VEK_HOME, else $XDG_DATA_HOME/vek,
// else ~/.local/share/vek. Stored strings keep their backslashes; they become separators only here.
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace vek {

// The directory that holds the drive folders.
std::filesystem::path DriveRoot();

// The "Windows drive": always "C:".
std::string WindowsDrive();

// "X:\A\B" (CP932 bytes) -> <root>/X/A/B. A path without a drive is taken relative to drive C.
std::filesystem::path MapWindowsPath(std::string_view windowsPath);

// The host path of the location file "\Kavrion\Dorix5.whr" on the given drive ("C:").
std::filesystem::path LocationFilePath(std::string_view drive);

// The current directory as a Windows-style path when it lies inside a mapped drive folder
// ("D:\work"), else nullopt (it then names no drive).
std::optional<std::string> CurrentDirectoryAsWindowsPath();

inline constexpr std::string_view kDefaultInstallFolder = "\\Kavrion\\Pemo5";
inline constexpr std::string_view kLocationFileName = "\\Kavrion\\Dorix5.whr";

}  // namespace vek
