#pragma once
// FileV.ndx in the program folder: line 1 the folder of the last data file opened with the Open
// command, line 2 kept as found. Both are CP932 text; each line ends with CR LF.
#include <filesystem>
#include <string>

namespace vek {

inline constexpr const char* kFileVName = "FileV.ndx";

struct FileV {
  std::string folder;  // line 1, CP932 form of a host folder
  std::string line2;   // carried over unchanged
};

// Reads the two lines (line ends removed); a missing or unreadable file gives two empty lines.
FileV ReadFileV(const std::filesystem::path& programFolder);

// Writes "%s\r\n" of each line, replacing the file as a whole. False when it cannot be written.
bool WriteFileV(const std::filesystem::path& programFolder, const FileV& v);

}  // namespace vek
