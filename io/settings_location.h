#pragma once
// Where the program folder is: the install drive and folder recorded in the location file
// "\Kavrion\Dorix5.whr", and the paths of the files kept in the folder. Paths are Windows-style
// CP932 strings ("C:\Kavrion\Pemo5\Sys.ndx"); the *HostPath functions map them for opening.
#include <filesystem>
#include <string>
#include <string_view>

#include "core/sheet_settings.h"

namespace vek {

// Install drive + ":" + install folder.
std::string ProgramFolder(const SheetSettings& s);
std::filesystem::path ProgramFolderHostPath(const SheetSettings& s);

// Program folder + "\Sys.ndx".
std::string SystemSettingsPath(const SheetSettings& s);
std::filesystem::path SystemSettingsHostPath(const SheetSettings& s);

// Program folder + "\Font<n>.ndx", n = 1 ... 6.
std::string FontFilePath(const SheetSettings& s, int n);
std::filesystem::path FontFileHostPath(const SheetSettings& s, int n);

// Program folder + "\M.mst" and "\D.mst".
std::string EngineerListPathOf(const SheetSettings& s);
std::string SoilListPathOf(const SheetSettings& s);

// First line of the location file on `drive` ("C:"), or "" when it cannot be read or holds at
// most one character.
std::string ReadLocationText(std::string_view drive);

// Finds the install drive and folder: the location file on the Windows drive, else the one on
// the drive of the current directory, else the Windows drive with "\Kavrion\Pemo5". Sets
// windowsDrive, installDrive and installFolder of `s`.
void DetectInstallLocation(SheetSettings& s);

// Writes the location file on the Windows drive anew: one line drive + ":" + folder + CR LF.
// Creates its folder when missing. False when it cannot be written (the old file then stays).
bool WriteLocationFile(std::string_view drive, std::string_view folder);

}  // namespace vek
