#include "io/help_file.h"

#include "core/encoding.h"
#include "io/program_folder.h"
#include "io/safe_write.h"
#include "io/settings_location.h"

namespace vek {

// The UTF-8 text of io/help/Help.txt, built in by CMake (help_text_data.cpp).
extern const char* const kHelpTextUtf8;

std::string HelpFilePath(const SheetSettings& settings) { return ProgramFolder(settings) + "\\Help.txt"; }

std::filesystem::path HelpFileHostPath(const SheetSettings& settings) {
  return MapWindowsPath(HelpFilePath(settings));
}

std::string FactoryHelpText() {
  const std::string cp932 = Sjis(kHelpTextUtf8);
  std::string out;
  out.reserve(cp932.size() + cp932.size() / 32);
  for (char c : cp932) {
    if (c == '\r') continue;
    if (c == '\n') out += '\r';
    out += c;
  }
  if (!out.empty() && out.back() != '\n') out += "\r\n";
  return out;
}

bool SaveFactoryHelpFile(const std::filesystem::path& hostPath) {
  std::error_code ec;
  if (hostPath.has_parent_path()) std::filesystem::create_directories(hostPath.parent_path(), ec);
  return WriteFileAtomically(hostPath, FactoryHelpText());
}

}  // namespace vek
