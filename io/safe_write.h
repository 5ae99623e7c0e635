#pragma once
// Writing a whole file so that a failure never destroys what was there before: the bytes go to a
// temporary file in the same folder, which replaces the target only after a complete, synced write.
#include <filesystem>
#include <set>
#include <string_view>
#include <vector>

namespace vek {

// Writes `bytes` as the complete new content of `path`. Returns false (and leaves any old file at
// `path` untouched, removing the temporary file) when the folder does not exist or is not writable,
// when the write is short (a full disk, a file-size limit), when `path` names a directory, or when
// the existing file may not be written (no write permission, or no write bit at all, which is
// refused even for root, as a read-only file is). A target that is a symbolic link is replaced
// through the link; an existing file keeps its permission bits. The folder is not created.
// Temporaries left in the folder by processes that died while saving are removed first; the folder
// is synced after the rename.
bool WriteFileAtomically(const std::filesystem::path& path, std::string_view bytes);

// Several files replaced together, for a batch: Add writes each file's temporary (no sync), Commit
// syncs them all at once and then renames each over its target. Every file is still replaced
// atomically; only the waiting for the disk is shared. Temporaries not committed are removed when
// the batch is destroyed.
class AtomicWriteBatch {
 public:
  AtomicWriteBatch() = default;
  ~AtomicWriteBatch();
  AtomicWriteBatch(const AtomicWriteBatch&) = delete;
  AtomicWriteBatch& operator=(const AtomicWriteBatch&) = delete;

  // Stages the new content of `path`; false (nothing staged, old file untouched) for the failures
  // WriteFileAtomically reports before its rename.
  bool Add(const std::filesystem::path& path, std::string_view bytes);
  // One sync of the staged temporaries, then the renames in the order of Add and one sync of each
  // folder. Returns the paths (as given to Add) that could not be replaced; their old files are
  // untouched. The batch is empty afterwards.
  std::vector<std::filesystem::path> Commit();
  size_t size() const { return staged_.size(); }

 private:
  struct Staged {
    std::filesystem::path given, target, tmp;
  };
  std::vector<Staged> staged_;
  std::set<std::filesystem::path> cleanedFolders_;
};

// Removes the temporaries ".NAME.tmp-PID-N" in `folder` whose process PID no longer exists (a save
// that was killed). Temporaries of running processes, and every other file, stay.
void RemoveDeadTemporaries(const std::filesystem::path& folder);

}  // namespace vek
