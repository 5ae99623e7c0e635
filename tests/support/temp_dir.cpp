#include "support/temp_dir.h"

#include <atomic>
#include <chrono>
#include <cstdlib>
#include <fstream>
#include <random>
#include <sstream>
#include <stdexcept>

namespace vek::testing {

TempDir::TempDir() {
  // A new folder under a name nobody else uses: create_directory fails on an existing one.
  static std::atomic<unsigned> counter{0};
  std::mt19937_64 random(std::random_device{}() ^
                         static_cast<unsigned long long>(std::chrono::steady_clock::now().time_since_epoch().count()));
  const auto base = std::filesystem::temp_directory_path();
  for (int attempt = 0; attempt < 100; ++attempt) {
    const auto candidate = base / ("vek-test-" + std::to_string(random() % 1000000000ULL) + "-" + std::to_string(++counter));
    std::error_code ec;
    if (std::filesystem::create_directory(candidate, ec)) {
      std::filesystem::permissions(candidate, std::filesystem::perms::owner_all, ec);
      path_ = candidate;
      return;
    }
  }
  throw std::runtime_error("no temporary folder could be created");
}

TempDir::~TempDir() {
  std::error_code ec;
  // Read-only folders made by a test are made writable again so they can be removed.
  for (auto it = std::filesystem::recursive_directory_iterator(path_, ec);
       !ec && it != std::filesystem::recursive_directory_iterator(); it.increment(ec)) {
    std::filesystem::permissions(it->path(), std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add, ec);
  }
  std::filesystem::permissions(path_, std::filesystem::perms::owner_all, std::filesystem::perm_options::add, ec);
  std::filesystem::remove_all(path_, ec);
}

TempHome::TempHome() {
  if (const char* v = std::getenv("VEK_HOME")) {
    old_ = v;
    had_old_ = true;
  }
  SetEnvironment("VEK_HOME", path().string());
}

TempHome::~TempHome() {
  if (had_old_) SetEnvironment("VEK_HOME", old_);
  else UnsetEnvironment("VEK_HOME");
}

void SetEnvironment(const char* name, const std::string& value) {
#ifdef _WIN32
  _putenv_s(name, value.c_str());
#else
  setenv(name, value.c_str(), 1);
#endif
}

void UnsetEnvironment(const char* name) {
#ifdef _WIN32
  _putenv_s(name, "");
#else
  unsetenv(name);
#endif
}

std::string ReadFileBytes(const std::filesystem::path& p) {
  std::ifstream in(p, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

void WriteFileBytes(const std::filesystem::path& p, const std::string& bytes) {
  if (p.has_parent_path()) std::filesystem::create_directories(p.parent_path());
  std::ofstream out(p, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

}  // namespace vek::testing
