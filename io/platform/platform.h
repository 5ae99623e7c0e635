#pragma once
// The one place that calls the operating system directly. Everything else in core/, io/ and
// render/ uses standard C++ only. One implementation per platform (platform_linux.cpp,
// platform_windows.cpp), chosen by CMake. Failures set errno to a POSIX error number (ENOENT,
// EACCES, EEXIST, ENOSPC, ...) on every platform, so callers can name the reason the same way.
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vek::platform {

// --- CP932 <-> UTF-8, all or nothing: nullopt when any byte sequence cannot be converted. The
// Windows best-fit mappings are never used; callers add their own replacement rules on top.
std::optional<std::string> Cp932ToUtf8(std::string_view cp932);
std::optional<std::string> Utf8ToCp932(std::string_view utf8);

// --- Files written through a handle of their own, for the atomic save.
using FileHandle = std::intptr_t;
inline constexpr FileHandle kNoFile = -1;

// Creates `path` as a new file for writing; kNoFile with errno EEXIST when it already exists.
FileHandle CreateNewFile(const std::filesystem::path& path);
// Writes all bytes (false on a short write: a full disk, a file-size limit).
bool WriteAll(FileHandle file, std::string_view bytes);
// Waits until the file's content is on the disk.
bool FlushFile(FileHandle file);
bool CloseFile(FileHandle file);

// What is at a path, without following a final symbolic link's absence: a missing path is Missing.
struct FileState {
  enum Kind { Missing, Regular, Directory, Other } kind = Missing;
  // A regular file that this process may replace: it has a write permission bit (refused even for
  // root when it has none) and the process may write it. Windows: not read-only, opens for writing.
  bool writable = false;
  // POSIX permission bits (0 where the platform has none to keep).
  unsigned mode = 0;
};
FileState InspectFile(const std::filesystem::path& path);
// Gives an open file the permission bits `mode` (as read by InspectFile); true where there are none.
bool SetFileMode(FileHandle file, unsigned mode);

// Puts the closed file `from` in place of `to` in one step (same folder), replacing an existing
// file; `to` then keeps its own attributes where the platform tracks them apart from the content.
bool ReplaceTarget(const std::filesystem::path& from, const std::filesystem::path& to);
// Makes a replace in `folder` survive a crash. Best effort.
void SyncFolder(const std::filesystem::path& folder);
// Makes the content of the given closed files durable, sharing the wait where the platform can
// (one sync per file system); false when that could not be done.
bool SyncFiles(const std::vector<std::filesystem::path>& files);

// --- Processes, for the leftover-temporary cleanup.
unsigned long CurrentProcessId();
// False only when no process with this id exists any more.
bool ProcessMayBeAlive(unsigned long pid);

// --- Host.
// The drive that holds the operating system ("C:"); "C:" where there are no drives.
std::string WindowsDrive();
// The host folder of drive `letter` ("D:\") where the host has drive letters; nullopt elsewhere.
std::optional<std::filesystem::path> HostDriveFolder(char letter);
// A folder only this user may enter, for the runtime files of a batch run without a login session
// ("/tmp/runtime-UID", created when missing); nullopt where the platform needs none or it fails.
std::optional<std::filesystem::path> PrivateRuntimeFolder();
// Whether `stream` is connected to a terminal.
bool IsTerminal(std::FILE* stream);

}  // namespace vek::platform
