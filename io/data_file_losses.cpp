#include "io/data_file_losses.h"

#include "core/record_store.h"

namespace vek {

DataFileLosses InspectDataFile(std::string_view bytes, int code, DataKind kind) {
  DataFileLosses losses;
  if (code != kVersionCalibration && code != kVersionTest) return losses;
  char letter = '_';
  int row = 1;
  int headerLines = 0;
  bool seenA = false, seenC = false;
  bool first = true;
  size_t pos = 0;
  while (pos < bytes.size()) {
    size_t end = bytes.find('\n', pos);
    const bool cut = end == std::string_view::npos;
    std::string_view line = bytes.substr(pos, cut ? std::string_view::npos : end - pos);
    pos = cut ? bytes.size() : end + 1;
    if (cut) losses.lastLineCut = true;
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (first) {  // the magic line
      first = false;
      continue;
    }
    if (line.find("$$") != std::string_view::npos) {
      if (line.size() > 2) {
        letter = line[2];
        row = 1;
        seenA = seenA || letter == 'A';
        seenC = seenC || letter == 'C';
      }
      continue;
    }
    const bool filled = !line.empty();
    switch (letter) {
      case 'Z':
        if (row <= kHeaderFieldCount) ++headerLines;
        else if (filled) ++losses.droppedHeaderLines;
        ++row;
        break;
      case 'C':
        if (row > kMaxCalRows && filled) ++losses.droppedCalRows;
        ++row;
        break;
      case 'A':
        if (kind == DataKind::Test && row > kMaxTestRows && filled) ++losses.droppedTestRows;
        ++row;
        break;
      default:
        break;
    }
  }
  losses.shortHeader = headerLines < kHeaderFieldCount;
  losses.missingSection = !seenC || (kind == DataKind::Test && !seenA);
  return losses;
}

std::vector<std::string> DescribeLosses(const DataFileLosses& l) {
  std::vector<std::string> texts;
  auto dropped = [&](int count, int limit, const char* what) {
    if (count > 0)
      texts.push_back(std::string(what) + "の " + std::to_string(limit + 1) + " 行目以降（" + std::to_string(count) +
                      " 行）は読み込めません（最大 " + std::to_string(limit) + " 行）。");
  };
  dropped(l.droppedTestRows, kMaxTestRows, "測定データ");
  dropped(l.droppedCalRows, kMaxCalRows, "キャリブレーションデータ");
  dropped(l.droppedHeaderLines, kHeaderFieldCount, "見出し");
  if (l.shortHeader) texts.push_back("ファイルが途中で切れています：見出しが " + std::to_string(kHeaderFieldCount) + " 行に足りません。");
  if (l.missingSection) texts.push_back("ファイルが途中で切れています：データの節がありません。");
  if (l.lastLineCut) texts.push_back("ファイルが途中で切れています：最後の行が行末で終わっていません。");
  return texts;
}

}  // namespace vek
