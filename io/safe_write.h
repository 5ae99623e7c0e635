#pragma once
// Writing a whole file so that a failure never destroys what was there before: the bytes go to a
// temporary file in the same folder, which replaces the target only after a complete write.
#include <filesystem>
#include <string_view>

namespace vek {

// Writes `bytes` as the complete new content of `path`. Returns false (and leaves any old file at
// `path` untouched, removing the temporary file) when the folder does not exist or is not writable,
// when the write is short, or when `path` names a directory. A target that is a symbolic link is
// replaced through the link; an existing file keeps its permission bits. The folder is not created.
bool WriteFileAtomically(const std::filesystem::path& path, std::string_view bytes);

}  // namespace vek
