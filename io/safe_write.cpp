#include "io/safe_write.h"

#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <string>

namespace vek {

namespace fs = std::filesystem;

namespace {

constexpr std::string_view kTmpMarker = ".tmp-";

// A write beyond the process's file-size limit raises SIGXFSZ, whose default action ends the
// program; ignored, the write fails with EFBIG and the save reports its error instead.
// A handler the program installed itself is left alone.
void IgnoreFileSizeSignal() {
  struct sigaction old{};
  if (::sigaction(SIGXFSZ, nullptr, &old) == 0 && old.sa_handler == SIG_DFL) ::signal(SIGXFSZ, SIG_IGN);
}

// Opens a new, exclusive temporary file next to `target`; -1 on failure. The name is returned in
// `tmp`. Mode 0666 lets the process umask decide, as for a file created in place.
int CreateTemporaryBeside(const fs::path& target, fs::path& tmp) {
  static std::atomic<unsigned> counter{0};
  for (int attempt = 0; attempt < 100; ++attempt) {
    std::string name = "." + target.filename().string() + std::string(kTmpMarker) + std::to_string(::getpid()) +
                       "-" + std::to_string(++counter);
    tmp = target.parent_path() / name;
    int fd = ::open(tmp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0 || errno != EEXIST) return fd;
  }
  return -1;
}

bool WriteAll(int fd, std::string_view bytes) {
  const char* p = bytes.data();
  size_t left = bytes.size();
  while (left > 0) {
    ssize_t n = ::write(fd, p, left);
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    p += n;
    left -= static_cast<size_t>(n);
  }
  return true;
}

fs::path FolderOf(const fs::path& target) {
  return target.parent_path().empty() ? fs::path(".") : target.parent_path();
}

// Syncs a folder so that a rename in it survives a crash. Best effort: some file systems refuse
// fsync on a folder, and the file itself is already on disk.
void SyncFolder(const fs::path& folder) {
  int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
}

// The process id of a temporary's name ".NAME.tmp-PID-N", or 0 when the name is not one of ours.
pid_t TemporaryOwner(std::string_view name) {
  if (name.size() < 2 || name[0] != '.') return 0;
  const size_t at = name.rfind(kTmpMarker);
  if (at == std::string_view::npos || at < 2) return 0;
  std::string_view rest = name.substr(at + kTmpMarker.size());
  const size_t dash = rest.find('-');
  if (dash == 0 || dash == std::string_view::npos || dash + 1 == rest.size()) return 0;
  long long pid = 0;
  for (size_t i = 0; i < rest.size(); ++i) {
    const char c = rest[i];
    if (i == dash) continue;
    if (c < '0' || c > '9') return 0;
    if (i < dash) {
      pid = pid * 10 + (c - '0');
      if (pid > 0x7fffffff) return 0;
    }
  }
  return static_cast<pid_t>(pid);
}

// Resolves a symbolic link at `path` to the file it names; false when the link cannot be read.
bool ResolveTarget(const fs::path& path, fs::path& target) {
  std::error_code ec;
  target = path;
  if (fs::is_symlink(target, ec)) {
    fs::path link = fs::read_symlink(target, ec);
    if (ec) return false;
    target = link.is_absolute() ? link : target.parent_path() / link;
  }
  return true;
}

// Writes the temporary of `target` completely, with the old file's permission bits; its descriptor
// stays open for the caller (-1 on failure, nothing left behind). Refuses what may not be replaced.
int StageTemporary(const fs::path& target, std::string_view bytes, fs::path& tmp) {
  struct stat old{};
  const bool existed = ::stat(target.c_str(), &old) == 0;
  if (existed && !S_ISREG(old.st_mode)) {  // never replace a directory or a device
    errno = S_ISDIR(old.st_mode) ? EISDIR : EINVAL;
    return -1;
  }
  // Renaming over a file would replace it even where opening it for writing is refused.
  if (existed && ((old.st_mode & 0222) == 0 || ::access(target.c_str(), W_OK) != 0)) {
    errno = EACCES;
    return -1;
  }
  IgnoreFileSizeSignal();
  int fd = CreateTemporaryBeside(target, tmp);
  if (fd < 0) return -1;
  bool ok = WriteAll(fd, bytes);
  if (ok && existed) ok = ::fchmod(fd, old.st_mode & 07777) == 0;
  if (!ok) {
    ::close(fd);
    ::unlink(tmp.c_str());
    return -1;
  }
  return fd;
}

}  // namespace

void RemoveDeadTemporaries(const fs::path& folder) {
  DIR* dir = ::opendir(folder.c_str());
  if (!dir) return;
  const pid_t self = ::getpid();
  while (const dirent* e = ::readdir(dir)) {
    const pid_t pid = TemporaryOwner(e->d_name);
    if (pid <= 0 || pid == self) continue;
    if (::kill(pid, 0) == 0 || errno != ESRCH) continue;  // alive, or not ours to judge
    struct stat st{};
    if (::fstatat(::dirfd(dir), e->d_name, &st, AT_SYMLINK_NOFOLLOW) == 0 && S_ISREG(st.st_mode))
      ::unlinkat(::dirfd(dir), e->d_name, 0);
  }
  ::closedir(dir);
}

bool WriteFileAtomically(const fs::path& path, std::string_view bytes) {
  if (path.empty() || !path.has_filename()) return false;
  fs::path target;
  if (!ResolveTarget(path, target)) return false;
  RemoveDeadTemporaries(FolderOf(target));
  fs::path tmp;
  int fd = StageTemporary(target, bytes, tmp);
  if (fd < 0) return false;
  bool ok = ::fsync(fd) == 0;
  if (::close(fd) != 0) ok = false;
  if (ok) ok = ::rename(tmp.c_str(), target.c_str()) == 0;
  if (!ok) {
    ::unlink(tmp.c_str());
    return false;
  }
  SyncFolder(FolderOf(target));
  return true;
}

AtomicWriteBatch::~AtomicWriteBatch() {
  for (const Staged& s : staged_) ::unlink(s.tmp.c_str());
}

bool AtomicWriteBatch::Add(const fs::path& path, std::string_view bytes) {
  if (path.empty() || !path.has_filename()) return false;
  Staged s{path, {}, {}};
  if (!ResolveTarget(path, s.target)) return false;
  const fs::path folder = FolderOf(s.target);
  if (cleanedFolders_.insert(folder).second) RemoveDeadTemporaries(folder);
  int fd = StageTemporary(s.target, bytes, s.tmp);
  if (fd < 0) return false;
  if (::close(fd) != 0) {
    ::unlink(s.tmp.c_str());
    return false;
  }
  staged_.push_back(std::move(s));
  return true;
}

std::vector<fs::path> AtomicWriteBatch::Commit() {
  std::vector<fs::path> failed;
  std::vector<Staged> staged;
  staged.swap(staged_);
  // One sync per file system: syncfs writes every temporary of the batch in one go.
  std::set<dev_t> synced;
  std::set<fs::path> folders;
  bool syncOk = true;
  for (const Staged& s : staged) {
    const fs::path folder = FolderOf(s.target);
    folders.insert(folder);
    struct stat st{};
    if (::stat(folder.c_str(), &st) != 0 || synced.count(st.st_dev)) continue;
    synced.insert(st.st_dev);
    int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0 || ::syncfs(fd) != 0) syncOk = false;
    if (fd >= 0) ::close(fd);
  }
  for (const Staged& s : staged) {
    if (!syncOk || ::rename(s.tmp.c_str(), s.target.c_str()) != 0) {
      ::unlink(s.tmp.c_str());
      failed.push_back(s.given);
    }
  }
  for (const fs::path& folder : folders) SyncFolder(folder);
  return failed;
}

}  // namespace vek
