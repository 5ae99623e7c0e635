#include "io/settings_line_reader.h"

#include <fstream>

#include "core/encoding.h"

namespace vek {

std::string CutAtCharacterBoundary(const std::string& text, size_t maxBytes) {
  if (text.size() <= maxBytes) return text;
  size_t end = 0;
  while (end < maxBytes) {
    size_t width = IsCp932LeadByte(static_cast<unsigned char>(text[end])) ? 2 : 1;
    if (end + width > maxBytes) break;
    end += width;
  }
  return text.substr(0, end);
}

std::string AsOneLine(const std::string& text) {
  std::string out;
  out.reserve(text.size());
  for (char c : text)
    if (c != '\r' && c != '\n') out.push_back(c);
  return out;
}

std::optional<std::vector<std::string>> ReadSettingsLines(const std::filesystem::path& path,
                                                          size_t lineLimit, size_t maxLines) {
  std::error_code ec;
  if (std::filesystem::is_directory(path, ec)) return std::nullopt;
  std::ifstream f(path, std::ios::binary);
  if (!f) return std::nullopt;
  std::streambuf& in = *f.rdbuf();
  constexpr int kEnd = std::char_traits<char>::eof();

  const size_t keep = lineLimit > 0 ? lineLimit - 1 : 0;
  std::vector<std::string> lines;
  std::string line;
  bool pending = false;  // a line has been started (possibly empty, when only its end was read)
  int c;
  while (lines.size() < maxLines && (c = in.sbumpc()) != kEnd) {
    pending = true;
    if (c == '\r' && in.sgetc() == '\n') c = in.sbumpc();
    if (c == '\n') {
      lines.push_back(CutAtCharacterBoundary(line, keep));
      line.clear();
      pending = false;
      continue;
    }
    // Bytes beyond the limit are collected up to one character more than kept, so the cut can see
    // whether a double-byte character straddles it; everything after that is skipped.
    if (line.size() < keep + 1) line.push_back(static_cast<char>(c));
  }
  if (pending && lines.size() < maxLines) lines.push_back(CutAtCharacterBoundary(line, keep));
  return lines;
}

}  // namespace vek
