#include "fuzz/fuzz_support.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>

namespace vek::fuzz {

namespace fs = std::filesystem;

const fs::path& FuzzHome() {
  static const fs::path home = [] {
    // A memory file system where there is one: the harnesses that save files then do not wait for
    // the disk on every input.
    std::error_code ec;
    const fs::path base = fs::is_directory("/dev/shm", ec) ? fs::path("/dev/shm") : fs::temp_directory_path();
    std::string pattern = (base / "vek-fuzz-XXXXXX").string();
    if (!::mkdtemp(pattern.data())) std::abort();
    ::setenv("VEK_HOME", pattern.c_str(), 1);
    // Removed at exit so that repeated runs do not fill the temporary folder.
    std::atexit([] {
      std::error_code ec;
      fs::remove_all(FuzzHome(), ec);
    });
    return fs::path(pattern);
  }();
  return home;
}

void WriteInputFile(const fs::path& path, std::string_view bytes) {
  fs::create_directories(path.parent_path());
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::vector<std::string_view> SplitInput(std::string_view bytes, size_t parts) {
  std::vector<std::string_view> out;
  while (out.size() + 1 < parts) {
    const size_t nul = bytes.find('\0');
    if (nul == std::string_view::npos) break;
    out.push_back(bytes.substr(0, nul));
    bytes.remove_prefix(nul + 1);
  }
  out.push_back(bytes);
  out.resize(parts);
  return out;
}

}  // namespace vek::fuzz
