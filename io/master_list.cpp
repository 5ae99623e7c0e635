#include "io/master_list.h"

#include <cstdio>

#include "core/encoding.h"
#include "core/messages.h"
#include "core/record_store.h"
#include "io/program_folder.h"
#include "io/safe_write.h"
#include "io/settings_line_reader.h"
#include "io/settings_location.h"

namespace vek {

namespace fs = std::filesystem;

namespace {

const char* ListFileName(MasterListKind kind) { return kind == MasterListKind::Engineers ? "\\M.mst" : "\\D.mst"; }

}  // namespace

std::vector<std::string> ReadListLines(const fs::path& path, size_t lineBytes, size_t maxLines) {
  // A name longer than the width is cut at a character boundary and the rest of its line skipped,
  // so it never turns into a second name; a last line without a line end keeps all its characters.
  return ReadSettingsLines(path, lineBytes, maxLines).value_or(std::vector<std::string>{});
}

std::vector<std::string> LoadMasterList(const fs::path& path, size_t* loaded) {
  // Every name of the file is kept: a list grown past 80 rows (by "Ver.4 追加" or by hand) must not
  // lose its later names the next time the form saves it.
  std::vector<std::string> rows = ReadListLines(path, kMasterFormLineBytes);
  if (loaded) *loaded = rows.size();
  if (rows.size() < kMasterListRows) rows.resize(kMasterListRows);
  return rows;
}

std::string PreviousGenerationFolder(std::string_view programFolder) { return ReplaceAll(programFolder, "o5", "o4"); }

fs::path PreviousGenerationListPath(const SheetSettings& settings, MasterListKind kind) {
  return MapWindowsPath(PreviousGenerationFolder(ProgramFolder(settings)) + ListFileName(kind));
}

fs::path MasterListHostPath(const SheetSettings& settings, MasterListKind kind) {
  return MapWindowsPath(ProgramFolder(settings) + ListFileName(kind));
}

size_t LastFilledRow(const std::vector<std::string>& rows) {
  for (size_t i = rows.size(); i > 0; --i) {
    if (!rows[i - 1].empty()) return i;
  }
  return 0;
}

std::string DuplicateReport(const std::vector<std::string>& rows, size_t lastRow, int& count) {
  static const std::string kHead = Sjis("同じデータがあります") + "\r\n";
  static const std::string kLine = Sjis("%2d行目と%2d行目 [%s]　%s");
  constexpr int kMaxListed = 6;
  constexpr size_t kMaxReport = 300;
  std::string report = kHead;
  count = 0;
  for (size_t r = 1; r <= lastRow && r <= rows.size(); ++r) {
    if (rows[r - 1].empty()) continue;
    for (size_t e = 1; e < r; ++e) {
      if (rows[e - 1] != rows[r - 1]) continue;
      ++count;
      if (count > kMaxListed || report.size() >= kMaxReport) continue;
      std::vector<char> buf(kLine.size() + rows[r - 1].size() + 64);
      std::snprintf(buf.data(), buf.size(), kLine.c_str(), static_cast<int>(r), static_cast<int>(e),
                    rows[r - 1].c_str(), "\r\n");
      report += buf.data();
    }
  }
  return report;
}

MasterSaveResult SaveMasterList(const fs::path& path, const std::vector<std::string>& rows, MessageSink& sink) {
  MasterSaveResult result;
  const size_t last = LastFilledRow(rows);
  std::string bytes;
  for (size_t r = 1; r <= last; ++r) {
    if (rows[r - 1].empty()) continue;
    bytes += rows[r - 1];
    bytes += "\r\n";
  }
  const std::string report = DuplicateReport(rows, last, result.duplicates);
  std::error_code ec;
  if (path.has_parent_path()) fs::create_directories(path.parent_path(), ec);
  result.written = WriteFileAtomically(path, bytes);
  if (!result.written) {
    sink.ShowMessage(std::string("マスタファイルは\n") + std::string(MessageText(msg::CannotSave)));
    return result;
  }
  if (result.duplicates > 0) {
    result.report = Cp932ToUtf8(report);
    sink.ShowMessage(result.report);
  }
  return result;
}

int MergePreviousGenerationList(std::vector<std::string>& rows, const fs::path& oldListPath, MessageSink& sink) {
  // Old lines carry further fields after the name; a line wider than the reader is cut, and the
  // rest of it is skipped rather than taken for a line (and a name) of its own.
  std::optional<std::vector<std::string>> lines =
      ReadSettingsLines(oldListPath, kOldListLineBytes, static_cast<size_t>(-1));
  if (!lines) return -1;
  int added = 0;
  size_t lineNo = 0;
  for (std::string_view line : *lines) {
    while (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (line.empty()) continue;  // blank lines neither count nor name anything
    ++lineNo;
    TextField name;
    NullMessageSink quiet;
    GetCsvField(line, 1, name, quiet);
    if (name == "**") continue;
    bool known = false;
    for (const auto& row : rows) known = known || row == name;
    if (known) continue;
    if (lineNo < rows.size()) {
      rows.insert(rows.begin() + static_cast<std::ptrdiff_t>(lineNo - 1), name);
    } else {
      rows.push_back(name);
    }
    ++added;
  }
  char count[16];
  std::snprintf(count, sizeof count, "%d", added);
  if (added == 0) {
    sink.Show(msg::NoOldVersionData);
  } else {
    sink.Show(msg::OldVersionDataAdded, count);
  }
  return added;
}

bool DeleteListRow(std::vector<std::string>& rows, size_t row) {
  if (row < 1 || row > rows.size()) return false;
  rows.erase(rows.begin() + static_cast<std::ptrdiff_t>(row - 1));
  rows.emplace_back();
  return true;
}

bool MoveListRowUp(std::vector<std::string>& rows, size_t row) {
  if (row < 2 || row > rows.size()) return false;
  std::swap(rows[row - 1], rows[row - 2]);
  return true;
}

bool MoveListRowDown(std::vector<std::string>& rows, size_t row) {
  if (row < 1 || row >= LastFilledRow(rows)) return false;
  std::swap(rows[row - 1], rows[row]);
  return true;
}

std::vector<std::string> DefaultSoilNames() { return {Sjis("シルト"), Sjis("粘土"), Sjis("砂")}; }

}  // namespace vek
