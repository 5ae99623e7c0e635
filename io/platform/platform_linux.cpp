// Linux (glibc) implementation of the platform seam: iconv for CP932, POSIX calls for files.
#include <fcntl.h>
#include <iconv.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <set>

#include "io/platform/platform.h"

namespace vek::platform {

namespace fs = std::filesystem;

namespace {

// An iconv descriptor for one direction, opened on first use and kept for the life of the thread:
// opening one loads and parses the converter's tables, which costs far more than converting a field.
class Converter {
 public:
  Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
  ~Converter() {
    if (ok()) iconv_close(cd_);
  }
  Converter(const Converter&) = delete;
  Converter& operator=(const Converter&) = delete;
  bool ok() const { return cd_ != reinterpret_cast<iconv_t>(-1); }
  iconv_t get() const { return cd_; }

 private:
  iconv_t cd_;
};

std::optional<std::string> Convert(Converter& converter, std::string_view in) {
  if (!converter.ok()) return std::nullopt;
  iconv_t cd = converter.get();
  // Back to the initial shift state: a failed conversion may have left the descriptor mid-sequence.
  iconv(cd, nullptr, nullptr, nullptr, nullptr);
  std::string out;
  out.reserve(in.size() * 2 + 4);
  char* inp = const_cast<char*>(in.data());
  size_t inleft = in.size();
  char buf[1024];
  while (inleft > 0) {
    char* outp = buf;
    size_t outleft = sizeof buf;
    size_t r = iconv(cd, &inp, &inleft, &outp, &outleft);
    out.append(buf, static_cast<size_t>(outp - buf));
    if (r != static_cast<size_t>(-1) || errno == E2BIG) continue;
    return std::nullopt;  // EILSEQ or EINVAL: a sequence that cannot be converted
  }
  char* outp = buf;
  size_t outleft = sizeof buf;
  if (iconv(cd, nullptr, nullptr, &outp, &outleft) != static_cast<size_t>(-1))
    out.append(buf, static_cast<size_t>(outp - buf));
  return out;
}

// A write beyond the process's file-size limit raises SIGXFSZ, whose default action ends the
// program; ignored, the write fails with EFBIG and the save reports its error instead.
// A handler the program installed itself is left alone.
void IgnoreFileSizeSignal() {
  struct sigaction old{};
  if (::sigaction(SIGXFSZ, nullptr, &old) == 0 && old.sa_handler == SIG_DFL) ::signal(SIGXFSZ, SIG_IGN);
}

}  // namespace

std::optional<std::string> Cp932ToUtf8(std::string_view cp932) {
  thread_local Converter converter("UTF-8", "CP932");
  return Convert(converter, cp932);
}

std::optional<std::string> Utf8ToCp932(std::string_view utf8) {
  thread_local Converter converter("CP932", "UTF-8");
  return Convert(converter, utf8);
}

FileHandle CreateNewFile(const fs::path& path) {
  IgnoreFileSizeSignal();
  // Mode 0666 lets the process umask decide, as for a file created in place.
  return ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
}

bool WriteAll(FileHandle file, std::string_view bytes) {
  const char* p = bytes.data();
  size_t left = bytes.size();
  while (left > 0) {
    ssize_t n = ::write(static_cast<int>(file), p, left);
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    p += n;
    left -= static_cast<size_t>(n);
  }
  return true;
}

bool FlushFile(FileHandle file) { return ::fsync(static_cast<int>(file)) == 0; }

bool CloseFile(FileHandle file) { return ::close(static_cast<int>(file)) == 0; }

FileState InspectFile(const fs::path& path) {
  FileState state;
  struct stat st{};
  if (::stat(path.c_str(), &st) != 0) return state;
  state.mode = st.st_mode & 07777;
  if (S_ISDIR(st.st_mode)) {
    state.kind = FileState::Directory;
  } else if (!S_ISREG(st.st_mode)) {
    state.kind = FileState::Other;
  } else {
    state.kind = FileState::Regular;
    // Renaming over a file would replace it even where opening it for writing is refused.
    state.writable = (st.st_mode & 0222) != 0 && ::access(path.c_str(), W_OK) == 0;
  }
  return state;
}

bool SetFileMode(FileHandle file, unsigned mode) { return ::fchmod(static_cast<int>(file), mode & 07777) == 0; }

bool ReplaceTarget(const fs::path& from, const fs::path& to) { return ::rename(from.c_str(), to.c_str()) == 0; }

void SyncFolder(const fs::path& folder) {
  // Some file systems refuse fsync on a folder; the file itself is already on disk.
  int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
}

bool SyncFiles(const std::vector<fs::path>& files) {
  // syncfs writes everything of one file system in one go, with one flush of the disk's cache: one
  // call per device. A file lies on the device of its folder, so a batch into one folder looks at
  // that folder once.
  std::set<fs::path> folders;
  for (const fs::path& f : files) folders.insert(f.parent_path().empty() ? fs::path(".") : f.parent_path());
  std::set<dev_t> synced;
  bool ok = true;
  for (const fs::path& folder : folders) {
    struct stat st{};
    if (::stat(folder.c_str(), &st) != 0) {
      ok = false;
      continue;
    }
    if (!synced.insert(st.st_dev).second) continue;
    int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0 || ::syncfs(fd) != 0) ok = false;
    if (fd >= 0) ::close(fd);
  }
  return ok;
}

unsigned long CurrentProcessId() { return static_cast<unsigned long>(::getpid()); }

bool ProcessMayBeAlive(unsigned long pid) {
  if (pid == 0 || pid > 0x7fffffffUL) return true;  // not a process id we can judge
  return ::kill(static_cast<pid_t>(pid), 0) == 0 || errno != ESRCH;
}

std::string WindowsDrive() { return "C:"; }

std::optional<fs::path> HostDriveFolder(char) { return std::nullopt; }

std::optional<fs::path> PrivateRuntimeFolder() {
  const std::string dir = "/tmp/runtime-" + std::to_string(::getuid());
  if (::mkdir(dir.c_str(), 0700) == 0 || errno == EEXIST) return fs::path(dir);
  return std::nullopt;
}

bool IsTerminal(std::FILE* stream) { return stream && ::isatty(::fileno(stream)) == 1; }

}  // namespace vek::platform
