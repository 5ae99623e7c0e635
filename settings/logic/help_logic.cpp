#include "settings/logic/help_logic.h"

#include <fstream>

namespace vek {

std::vector<std::string> ReadHelpLines(const std::filesystem::path& hostPath, MessageSink& sink) {
  std::vector<std::string> lines;
  std::ifstream in(hostPath, std::ios::binary);
  if (!in) {
    sink.Show(msg::FileNotFound, hostPath.string());
    return lines;
  }
  std::string line;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (lines.size() == kMaxHelpLines) {
      sink.Show(msg::TooMuchData);
      break;
    }
    lines.push_back(std::move(line));
  }
  return lines;
}

bool OpenHelpForPrinting(const std::filesystem::path& hostPath, std::span<const HelpOpener> openers,
                         MessageSink& sink) {
  std::error_code ec;
  if (!std::filesystem::is_regular_file(hostPath, ec)) {
    sink.Show(msg::FileNotFound, hostPath.string());
    return false;
  }
  std::string tried;
  for (const HelpOpener& opener : openers) {
    if (!opener.open) continue;
    if (opener.open(hostPath)) return true;
    tried += (tried.empty() ? "" : ", ") + opener.program;
  }
  sink.Show(msg::CannotExecute, tried);
  return false;
}

}  // namespace vek
