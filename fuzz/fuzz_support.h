#pragma once
// What the fuzz harnesses share: one throw-away program folder per process (VEK_HOME), files
// written from the input's bytes, and the input cut into several parts.
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

// The entry point every harness defines; libFuzzer calls it, and so does the corpus replay.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

namespace vek::fuzz {

// The input as a view of its bytes.
inline std::string_view Bytes(const uint8_t* data, size_t size) {
  return {reinterpret_cast<const char*>(data), size};
}

// A fresh folder of this process that VEK_HOME points at (created on the first call).
const std::filesystem::path& FuzzHome();

// Writes `bytes` exactly, creating parent folders.
void WriteInputFile(const std::filesystem::path& path, std::string_view bytes);

// The input cut at NUL bytes into exactly `parts` pieces (missing ones empty, the last one keeps
// the rest), so that one input can stand for several files.
std::vector<std::string_view> SplitInput(std::string_view bytes, size_t parts);

}  // namespace vek::fuzz
