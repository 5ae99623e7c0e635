#include "support/run_vek.h"

#include <sys/wait.h>

#include <cstdio>

namespace vek::testing {

namespace fs = std::filesystem;

fs::path VekExecutable() {
  std::error_code ec;
  fs::path self = fs::read_symlink("/proc/self/exe", ec);
  return ec ? fs::path() : self.parent_path().parent_path() / "app" / "vek";
}

std::string RunVek(const std::string& args, const fs::path& errFile, int& status, const std::string& env) {
  std::string cmd = env + (env.empty() ? "" : " ") + "'" + VekExecutable().string() + "' " + args + " 2>'" +
                    errFile.string() + "'";
  FILE* p = popen(cmd.c_str(), "r");
  std::string out;
  status = -1;
  if (!p) return out;
  char buf[256];
  for (size_t n; (n = fread(buf, 1, sizeof buf, p)) > 0;) out.append(buf, n);
  const int raw = pclose(p);
  status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  return out;
}

}  // namespace vek::testing
