#include "io/safe_write.h"

#include <atomic>
#include <cerrno>
#include <string>

#include "io/platform/platform.h"
#include "io/program_folder.h"

namespace vek {

namespace fs = std::filesystem;

namespace {

constexpr std::string_view kTmpMarker = ".tmp-";

// Opens a new, exclusive temporary file next to `target`; kNoFile on failure. The name is returned
// in `tmp`.
platform::FileHandle CreateTemporaryBeside(const fs::path& target, fs::path& tmp) {
  static std::atomic<unsigned> counter{0};
  for (int attempt = 0; attempt < 100; ++attempt) {
    fs::path name = target.filename();
    name += std::string(kTmpMarker) + std::to_string(platform::CurrentProcessId()) + "-" + std::to_string(++counter);
    tmp = target.parent_path() / fs::path(".").concat(name.native());
    platform::FileHandle file = platform::CreateNewFile(tmp);
    if (file != platform::kNoFile || errno != EEXIST) return file;
  }
  return platform::kNoFile;
}

fs::path FolderOf(const fs::path& target) {
  return target.parent_path().empty() ? fs::path(".") : target.parent_path();
}

void RemoveQuietly(const fs::path& p) {
  std::error_code ec;
  fs::remove(p, ec);
}

// The process id of a temporary's name ".NAME.tmp-PID-N", or 0 when the name is not one of ours.
unsigned long TemporaryOwner(std::string_view name) {
  if (name.size() < 2 || name[0] != '.') return 0;
  const size_t at = name.rfind(kTmpMarker);
  if (at == std::string_view::npos || at < 2) return 0;
  std::string_view rest = name.substr(at + kTmpMarker.size());
  const size_t dash = rest.find('-');
  if (dash == 0 || dash == std::string_view::npos || dash + 1 == rest.size()) return 0;
  unsigned long long pid = 0;
  for (size_t i = 0; i < rest.size(); ++i) {
    const char c = rest[i];
    if (i == dash) continue;
    if (c < '0' || c > '9') return 0;
    if (i < dash) {
      pid = pid * 10 + static_cast<unsigned>(c - '0');
      if (pid > 0x7fffffff) return 0;
    }
  }
  return static_cast<unsigned long>(pid);
}

// Resolves a symbolic link at `path` to the file it names; false when the link cannot be read.
// `missing` tells that nothing at all is at `path` (the common case of a new file, which then
// needs no further look).
bool ResolveTarget(const fs::path& path, fs::path& target, bool& missing) {
  std::error_code ec;
  target = path;
  const fs::file_type type = fs::symlink_status(target, ec).type();
  missing = type == fs::file_type::not_found;
  if (type == fs::file_type::symlink) {
    fs::path link = fs::read_symlink(target, ec);
    if (ec) return false;
    target = link.is_absolute() ? link : target.parent_path() / link;
  }
  return true;
}

// Writes the temporary of `target` completely, with the old file's permission bits; its handle
// stays open for the caller (kNoFile on failure, nothing left behind). Refuses what may not be
// replaced. `missing`: nothing is at `target`, as ResolveTarget found.
platform::FileHandle StageTemporary(const fs::path& target, bool missing, std::string_view bytes, fs::path& tmp) {
  const platform::FileState old = missing ? platform::FileState{} : platform::InspectFile(target);
  if (old.kind == platform::FileState::Directory || old.kind == platform::FileState::Other) {
    errno = old.kind == platform::FileState::Directory ? EISDIR : EINVAL;  // never a folder or device
    return platform::kNoFile;
  }
  const bool existed = old.kind == platform::FileState::Regular;
  if (existed && !old.writable) {
    errno = EACCES;
    return platform::kNoFile;
  }
  platform::FileHandle file = CreateTemporaryBeside(target, tmp);
  if (file == platform::kNoFile) return file;
  bool ok = platform::WriteAll(file, bytes);
  if (ok && existed) ok = platform::SetFileMode(file, old.mode);
  if (!ok) {
    const int error = errno;
    platform::CloseFile(file);
    RemoveQuietly(tmp);
    errno = error;
    return platform::kNoFile;
  }
  return file;
}

}  // namespace

void RemoveDeadTemporaries(const fs::path& folder) {
  std::error_code ec;
  const unsigned long self = platform::CurrentProcessId();
  for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
    const unsigned long pid = TemporaryOwner(Utf8FromHostPath(it->path().filename()));
    if (pid == 0 || pid == self || platform::ProcessMayBeAlive(pid)) continue;
    std::error_code kind;
    if (it->symlink_status(kind).type() == fs::file_type::regular) RemoveQuietly(it->path());
  }
}

bool WriteFileAtomically(const fs::path& path, std::string_view bytes) {
  if (path.empty() || !path.has_filename()) return false;
  fs::path target;
  bool missing = false;
  if (!ResolveTarget(path, target, missing)) return false;
  RemoveDeadTemporaries(FolderOf(target));
  fs::path tmp;
  platform::FileHandle file = StageTemporary(target, missing, bytes, tmp);
  if (file == platform::kNoFile) return false;
  bool ok = platform::FlushFile(file);
  if (!platform::CloseFile(file)) ok = false;
  if (ok) ok = platform::ReplaceTarget(tmp, target);
  if (!ok) {
    const int error = errno;
    RemoveQuietly(tmp);
    errno = error;
    return false;
  }
  platform::SyncFolder(FolderOf(target));
  return true;
}

AtomicWriteBatch::~AtomicWriteBatch() {
  for (const Staged& s : staged_) RemoveQuietly(s.tmp);
}

bool AtomicWriteBatch::Add(const fs::path& path, std::string_view bytes) {
  if (path.empty() || !path.has_filename()) return false;
  Staged s{path, {}, {}};
  bool missing = false;
  if (!ResolveTarget(path, s.target, missing)) return false;
  const fs::path folder = FolderOf(s.target);
  if (cleanedFolders_.insert(folder).second) RemoveDeadTemporaries(folder);
  platform::FileHandle file = StageTemporary(s.target, missing, bytes, s.tmp);
  if (file == platform::kNoFile) return false;
  if (!platform::CloseFile(file)) {
    const int error = errno;
    RemoveQuietly(s.tmp);
    errno = error;
    return false;
  }
  staged_.push_back(std::move(s));
  return true;
}

std::vector<fs::path> AtomicWriteBatch::Commit() {
  std::vector<fs::path> failed;
  std::vector<Staged> staged;
  staged.swap(staged_);
  std::vector<fs::path> temporaries;
  std::set<fs::path> folders;
  for (const Staged& s : staged) {
    temporaries.push_back(s.tmp);
    folders.insert(FolderOf(s.target));
  }
  const bool syncOk = staged.empty() || platform::SyncFiles(temporaries);
  for (const Staged& s : staged) {
    if (!syncOk || !platform::ReplaceTarget(s.tmp, s.target)) {
      RemoveQuietly(s.tmp);
      failed.push_back(s.given);
    }
  }
  for (const fs::path& folder : folders) platform::SyncFolder(folder);
  return failed;
}

}  // namespace vek
