#include "io/file_v.h"

#include "io/data_file_lines.h"
#include "io/data_file_reader.h"
#include "io/safe_write.h"

namespace vek {

FileV ReadFileV(const std::filesystem::path& programFolder) {
  FileV v;
  std::optional<std::string> bytes = ReadWholeFile(programFolder / kFileVName);
  if (!bytes) return v;
  // Lines are read whole: a host folder may well be longer than the old fixed buffers, and a cut
  // line would spill into line 2.
  FrameworkLineReader reader(*bytes, std::string_view::npos);
  std::string_view line;
  if (reader.NextWhole(line)) v.folder = std::string(line);
  if (reader.NextWhole(line)) v.line2 = std::string(line);
  return v;
}

bool WriteFileV(const std::filesystem::path& programFolder, const FileV& v) {
  std::error_code ec;
  std::filesystem::create_directories(programFolder, ec);
  return WriteFileAtomically(programFolder / kFileVName, v.folder + "\r\n" + v.line2 + "\r\n");
}

}  // namespace vek
