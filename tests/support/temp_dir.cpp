#include "support/temp_dir.h"

#include <unistd.h>

#include <fstream>
#include <sstream>
#include <stdexcept>

namespace vek::testing {

TempDir::TempDir() {
  std::string tmpl = (std::filesystem::temp_directory_path() / "vek-test-XXXXXX").string();
  if (!mkdtemp(tmpl.data())) throw std::runtime_error("mkdtemp failed");
  path_ = tmpl;
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
  setenv("VEK_HOME", path().c_str(), 1);
}

TempHome::~TempHome() {
  if (had_old_) setenv("VEK_HOME", old_.c_str(), 1);
  else unsetenv("VEK_HOME");
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
