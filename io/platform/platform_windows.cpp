// Windows implementation of the platform seam: code page 932 through the Win32 conversion calls,
// files through Win32 handles.
#include <io.h>
#include <windows.h>

#include <cerrno>
#include <climits>

#include "io/platform/platform.h"

namespace vek::platform {

namespace fs = std::filesystem;

namespace {

constexpr UINT kCp932 = 932;

// The POSIX error number callers expect for a Win32 error.
int ErrnoOf(DWORD error) {
  switch (error) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_DRIVE:
    case ERROR_BAD_NETPATH:
    case ERROR_BAD_NET_NAME:
      return ENOENT;
    case ERROR_ACCESS_DENIED:
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
    case ERROR_WRITE_PROTECT:
      return EACCES;
    case ERROR_FILE_EXISTS:
    case ERROR_ALREADY_EXISTS:
      return EEXIST;
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
      return ENOSPC;
    case ERROR_FILENAME_EXCED_RANGE:
      return ENAMETOOLONG;
    case ERROR_DIRECTORY:
      return ENOTDIR;
    case ERROR_INVALID_NAME:
      return EINVAL;
    case ERROR_NOT_ENOUGH_MEMORY:
    case ERROR_OUTOFMEMORY:
      return ENOMEM;
    default:
      return EIO;
  }
}

bool Failed() {
  errno = ErrnoOf(::GetLastError());
  return false;
}

HANDLE AsHandle(FileHandle file) { return reinterpret_cast<HANDLE>(file); }

// Multi-byte text of `codePage` -> UTF-16; nullopt on any invalid or unassigned sequence.
std::optional<std::wstring> Widen(UINT codePage, std::string_view in) {
  if (in.empty()) return std::wstring();
  if (in.size() > INT_MAX) return std::nullopt;
  const int size = static_cast<int>(in.size());
  const int n = ::MultiByteToWideChar(codePage, MB_ERR_INVALID_CHARS, in.data(), size, nullptr, 0);
  if (n <= 0) return std::nullopt;
  std::wstring out(static_cast<size_t>(n), L'\0');
  if (::MultiByteToWideChar(codePage, MB_ERR_INVALID_CHARS, in.data(), size, out.data(), n) != n)
    return std::nullopt;
  return out;
}

// UTF-16 -> multi-byte text of `codePage`; nullopt when a character has no exact place in it.
// For code page 932 best-fit mappings are switched off and the use of the default character
// detected, so nothing is silently replaced by a look-alike or by "?".
std::optional<std::string> Narrow(UINT codePage, std::wstring_view in) {
  if (in.empty()) return std::string();
  if (in.size() > INT_MAX) return std::nullopt;
  const int size = static_cast<int>(in.size());
  const bool utf8 = codePage == CP_UTF8;
  const DWORD flags = utf8 ? WC_ERR_INVALID_CHARS : WC_NO_BEST_FIT_CHARS;
  BOOL usedDefault = FALSE;
  BOOL* used = utf8 ? nullptr : &usedDefault;
  const int n = ::WideCharToMultiByte(codePage, flags, in.data(), size, nullptr, 0, nullptr, used);
  if (n <= 0 || usedDefault) return std::nullopt;
  std::string out(static_cast<size_t>(n), '\0');
  if (::WideCharToMultiByte(codePage, flags, in.data(), size, out.data(), n, nullptr, used) != n || usedDefault)
    return std::nullopt;
  return out;
}

// Opens an existing file or folder for writing and flushes it. Best effort for folders.
bool FlushPath(const fs::path& path, DWORD flags) {
  HANDLE h = ::CreateFileW(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                           nullptr, OPEN_EXISTING, flags, nullptr);
  if (h == INVALID_HANDLE_VALUE) return Failed();
  const bool ok = ::FlushFileBuffers(h) != 0 || Failed();
  ::CloseHandle(h);
  return ok;
}

}  // namespace

std::optional<std::string> Cp932ToUtf8(std::string_view cp932) {
  const auto wide = Widen(kCp932, cp932);
  if (!wide) return std::nullopt;
  return Narrow(CP_UTF8, *wide);
}

std::optional<std::string> Utf8ToCp932(std::string_view utf8) {
  const auto wide = Widen(CP_UTF8, utf8);
  if (!wide) return std::nullopt;
  return Narrow(kCp932, *wide);
}

FileHandle CreateNewFile(const fs::path& path) {
  HANDLE h = ::CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (h == INVALID_HANDLE_VALUE) {
    Failed();
    return kNoFile;
  }
  return reinterpret_cast<FileHandle>(h);
}

bool WriteAll(FileHandle file, std::string_view bytes) {
  const char* p = bytes.data();
  size_t left = bytes.size();
  while (left > 0) {
    const DWORD chunk = left > (1u << 30) ? (1u << 30) : static_cast<DWORD>(left);
    DWORD written = 0;
    if (!::WriteFile(AsHandle(file), p, chunk, &written, nullptr)) return Failed();
    if (written == 0) {
      errno = ENOSPC;
      return false;
    }
    p += written;
    left -= written;
  }
  return true;
}

bool FlushFile(FileHandle file) { return ::FlushFileBuffers(AsHandle(file)) != 0 || Failed(); }

bool CloseFile(FileHandle file) { return ::CloseHandle(AsHandle(file)) != 0 || Failed(); }

FileState InspectFile(const fs::path& path) {
  FileState state;
  const DWORD attributes = ::GetFileAttributesW(path.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) return state;
  if (attributes & FILE_ATTRIBUTE_DIRECTORY) {
    state.kind = FileState::Directory;
    return state;
  }
  // Probe: a file that opens for writing (sharing everything, so an editor holding it open for
  // reading does not count) is one this process may replace; a read-only one never is.
  HANDLE h = ::CreateFileW(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                           nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  state.kind = FileState::Regular;
  if (h != INVALID_HANDLE_VALUE) {
    if (::GetFileType(h) != FILE_TYPE_DISK) state.kind = FileState::Other;  // a device such as NUL
    ::CloseHandle(h);
  }
  state.writable = h != INVALID_HANDLE_VALUE && !(attributes & FILE_ATTRIBUTE_READONLY);
  return state;
}

// Windows keeps a replaced file's attributes and security through ReplaceFileW: nothing to copy.
bool SetFileMode(FileHandle, unsigned) { return true; }

bool ReplaceTarget(const fs::path& from, const fs::path& to) {
  const DWORD attributes = ::GetFileAttributesW(to.c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY)) {
    errno = EISDIR;  // a folder is never replaced by a file, as rename refuses it on POSIX
    return false;
  }
  if (attributes != INVALID_FILE_ATTRIBUTES &&
      ::ReplaceFileW(to.c_str(), from.c_str(), nullptr, REPLACEFILE_IGNORE_MERGE_ERRORS | REPLACEFILE_IGNORE_ACL_ERRORS,
                     nullptr, nullptr))
    return true;
  // No file to replace yet, or ReplaceFileW refused (some file systems do not support it): an
  // atomic rename over the target, written through to the disk before it returns.
  return ::MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0 ||
         Failed();
}

void SyncFolder(const fs::path& folder) { FlushPath(folder, FILE_FLAG_BACKUP_SEMANTICS); }

bool SyncFiles(const std::vector<fs::path>& files) {
  // Windows has no call that syncs a whole volume without administrator rights: flush each file.
  bool ok = true;
  for (const fs::path& f : files)
    if (!FlushPath(f, FILE_ATTRIBUTE_NORMAL)) ok = false;
  return ok;
}

unsigned long CurrentProcessId() { return ::GetCurrentProcessId(); }

bool ProcessMayBeAlive(unsigned long pid) {
  if (pid == 0) return true;  // not a process id we can judge
  HANDLE h = ::OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, static_cast<DWORD>(pid));
  if (!h) return ::GetLastError() != ERROR_INVALID_PARAMETER;  // no such process
  DWORD code = 0;
  const bool alive = !::GetExitCodeProcess(h, &code) || code == STILL_ACTIVE;
  ::CloseHandle(h);
  return alive;
}

std::string WindowsDrive() {
  wchar_t buffer[MAX_PATH + 1] = {};
  const UINT n = ::GetWindowsDirectoryW(buffer, MAX_PATH + 1);
  if (n >= 2 && n <= MAX_PATH && buffer[1] == L':' && buffer[0] < 0x80) return std::string(1, static_cast<char>(buffer[0])) + ":";
  return "C:";
}

std::optional<fs::path> HostDriveFolder(char letter) {
  return fs::path(std::wstring{static_cast<wchar_t>(letter), L':', L'\\'});
}

std::optional<fs::path> PrivateRuntimeFolder() { return std::nullopt; }

bool IsTerminal(std::FILE* stream) { return stream && ::_isatty(::_fileno(stream)) != 0; }

}  // namespace vek::platform
