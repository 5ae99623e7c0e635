#include "io/safe_write.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <string>

namespace vek {

namespace fs = std::filesystem;

namespace {

// Opens a new, exclusive temporary file next to `target`; -1 on failure. The name is returned in
// `tmp`. Mode 0666 lets the process umask decide, as for a file created in place.
int CreateTemporaryBeside(const fs::path& target, fs::path& tmp) {
  static unsigned counter = 0;
  for (int attempt = 0; attempt < 100; ++attempt) {
    std::string name = "." + target.filename().string() + ".tmp-" + std::to_string(::getpid()) + "-" +
                       std::to_string(++counter);
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

}  // namespace

bool WriteFileAtomically(const fs::path& path, std::string_view bytes) {
  if (path.empty() || !path.has_filename()) return false;
  std::error_code ec;
  fs::path target = path;
  if (fs::is_symlink(target, ec)) {
    fs::path link = fs::read_symlink(target, ec);
    if (ec) return false;
    target = link.is_absolute() ? link : target.parent_path() / link;
  }
  struct stat old{};
  const bool existed = ::stat(target.c_str(), &old) == 0;
  if (existed && !S_ISREG(old.st_mode)) return false;  // never replace a directory or a device

  fs::path tmp;
  int fd = CreateTemporaryBeside(target, tmp);
  if (fd < 0) return false;
  bool ok = WriteAll(fd, bytes);
  if (ok && existed) ok = ::fchmod(fd, old.st_mode & 07777) == 0;
  if (ok) ok = ::fsync(fd) == 0;
  if (::close(fd) != 0) ok = false;
  if (ok) ok = ::rename(tmp.c_str(), target.c_str()) == 0;
  if (!ok) ::unlink(tmp.c_str());
  return ok;
}

}  // namespace vek
