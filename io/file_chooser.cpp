#include "io/file_chooser.h"

namespace vek {

std::vector<FileFilterEntry> ParseFilterString(std::string_view filter) {
  std::vector<std::string> parts;
  size_t start = 0;
  while (start < filter.size()) {
    size_t bar = filter.find('|', start);
    if (bar == std::string_view::npos) bar = filter.size();
    parts.emplace_back(filter.substr(start, bar - start));
    start = bar + 1;
  }
  std::vector<FileFilterEntry> out;
  for (size_t i = 0; i + 1 < parts.size(); i += 2) {
    if (parts[i].empty()) break;  // the closing "||"
    FileFilterEntry e;
    e.description = parts[i];
    std::string_view pats = parts[i + 1];
    size_t p = 0;
    while (p <= pats.size()) {
      size_t semi = pats.find(';', p);
      if (semi == std::string_view::npos) semi = pats.size();
      if (semi > p) e.patterns.emplace_back(pats.substr(p, semi - p));
      p = semi + 1;
    }
    out.push_back(std::move(e));
  }
  return out;
}

}  // namespace vek
