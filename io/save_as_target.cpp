#include "io/save_as_target.h"

namespace vek {

namespace fs = std::filesystem;

namespace {

// The extension of a file name with its point (".vdw"), matched in any case.
bool HasExtension(const std::string& ext, std::string_view wanted) {
  return ext.size() == wanted.size() && EndsWithNoCase(ext, wanted);
}

}  // namespace

std::optional<SaveAsTarget> SaveAsTargetOf(const fs::path& chosen, DataKind shown) {
  const std::string name = chosen.filename().string();
  if (name.empty() || name == "." || name == "..") return std::nullopt;
  const std::string ext = chosen.extension().string();
  if (HasExtension(ext, ".cdw")) return SaveAsTarget{chosen, DataKind::Calibration, false};
  if (HasExtension(ext, ".vdw")) return SaveAsTarget{chosen, DataKind::Test, false};
  if (HasExtension(ext, ".cdf") || HasExtension(ext, ".ddf")) return std::nullopt;
  fs::path path = chosen;
  path += name.back() == '.' ? "" : ".";
  path += shown == DataKind::Test ? "vdw" : "cdw";
  return SaveAsTarget{path, shown, true};
}

std::string ReplaceFileQuestion(const fs::path& path) {
  return "「" + path.filename().string() + "」は既にあります。上書きしますか？";
}

}  // namespace vek
