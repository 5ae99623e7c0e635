#pragma once
// A fresh temporary directory per test, removed afterwards. TempHome also points VEK_HOME at it so
// that nothing a test does touches the real home.
#include <cstdlib>
#include <filesystem>
#include <string>

namespace vek::testing {

class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;
  const std::filesystem::path& path() const { return path_; }
  std::filesystem::path operator/(const std::string& name) const { return path_ / name; }

 private:
  std::filesystem::path path_;
};

class TempHome : public TempDir {
 public:
  TempHome();
  ~TempHome();

 private:
  std::string old_;
  bool had_old_ = false;
};

// Sets or removes an environment variable of this process.
void SetEnvironment(const char* name, const std::string& value);
void UnsetEnvironment(const char* name);

// Whole file as bytes ("" when it cannot be read).
std::string ReadFileBytes(const std::filesystem::path& p);
// Writes bytes exactly; creates parent folders.
void WriteFileBytes(const std::filesystem::path& p, const std::string& bytes);

}  // namespace vek::testing
