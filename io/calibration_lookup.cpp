#include "io/calibration_lookup.h"

#include <system_error>

#include "core/encoding.h"
#include "io/document_commands.h"

namespace vek {

namespace fs = std::filesystem;

namespace {

bool IsFile(const fs::path& p) {
  std::error_code ec;
  return fs::is_regular_file(p, ec);
}

// The part after the last "\" or "/" of a CP932 path; a trail byte 0x5C of a two-byte character
// is not a separator.
TextField LastComponent(const TextField& name) {
  size_t start = 0;
  for (size_t i = 0; i < name.size(); ++i) {
    const auto b = static_cast<unsigned char>(name[i]);
    if (IsCp932LeadByte(b) && i + 1 < name.size()) {
      ++i;
      continue;
    }
    if (b == '\\' || b == '/') start = i + 1;
  }
  return name.substr(start);
}

}  // namespace

bool NamesCalibration(const TextField& field20) { return field20.size() > 1; }

std::optional<fs::path> FindNamedCalibration(const TextField& field20, const fs::path& testFile) {
  if (!NamesCalibration(field20)) return std::nullopt;
  const fs::path stored = FieldToPath(field20);
  if (IsFile(stored)) return stored;
  const fs::path folder = testFile.parent_path();
  if (stored.is_relative() && IsFile(folder / stored)) return folder / stored;
  const TextField last = LastComponent(field20);
  if (!last.empty() && IsFile(folder / FieldToPath(last))) return folder / FieldToPath(last);
  return std::nullopt;
}

}  // namespace vek
