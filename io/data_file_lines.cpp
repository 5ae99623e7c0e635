#include "io/data_file_lines.h"

namespace vek {

bool PieceLineReader::Next(std::string_view& piece) {
  if (rest_.empty()) return false;
  size_t lf = rest_.substr(0, max_).find('\n');
  size_t len;
  if (lf != std::string_view::npos) {
    len = lf + 1;
  } else {
    len = rest_.size() < max_ ? rest_.size() : max_;
    // A full piece directly followed by its line end takes the line end along.
    std::string_view after = rest_.substr(len);
    if (!after.empty() && after[0] == '\n') {
      len += 1;
    } else if (after.size() >= 2 && after[0] == '\r' && after[1] == '\n') {
      len += 2;
    }
  }
  piece = rest_.substr(0, len);
  rest_.remove_prefix(len);
  return true;
}

bool FrameworkLineReader::Read(std::string_view& line, size_t limit) {
  if (rest_.empty()) return false;
  size_t end = 0;
  while (end < rest_.size() && end < limit && rest_[end] != '\r' && rest_[end] != '\n') ++end;
  line = rest_.substr(0, end);
  size_t skip = end;
  if (skip < rest_.size()) {
    if (rest_[skip] == '\r') {
      ++skip;
      if (skip < rest_.size() && rest_[skip] == '\n') ++skip;
    } else if (rest_[skip] == '\n') {
      ++skip;
    }
  }
  rest_.remove_prefix(skip);
  return true;
}

}  // namespace vek
