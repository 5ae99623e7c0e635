#include "io/data_file_attach.h"

#include "core/messages.h"
#include "io/data_file_format.h"
#include "io/data_file_lines.h"
#include "io/data_file_reader.h"
#include "io/program_folder.h"

namespace vek {

namespace {

constexpr size_t kAttachLineBytes = 399;

// A trailing CR LF, or else one trailing line-end character, removed.
std::string_view StripLineEnd(std::string_view line) {
  if (line.size() >= 2 && line.substr(line.size() - 2) == "\r\n") return line.substr(0, line.size() - 2);
  if (!line.empty() && (line.back() == '\n' || line.back() == '\r')) return line.substr(0, line.size() - 1);
  return line;
}

}  // namespace

AttachResult AttachCalibrationFile(RecordStore& store, const std::filesystem::path& path, MessageSink& sink) {
  std::optional<std::string> bytes = ReadWholeFile(path);
  if (!bytes) {
    sink.Show(msg::FileNotFound, Utf8FromHostPath(path));
    return AttachResult::CannotOpen;
  }
  std::string_view first;
  PieceLineReader firstReader(*bytes, kFirstLineBytes);
  if (!firstReader.Next(first) || first.find(kCalibrationMagicV3) == std::string_view::npos) {
    sink.Show(msg::NotCalibrationFile);
    return AttachResult::NotCalibration;
  }

  store.ClearTestCalRows();
  char section = 0;
  int row = 1;
  PieceLineReader reader(*bytes, kAttachLineBytes);
  std::string_view line;
  while (reader.Next(line)) {
    line = StripLineEnd(line);
    if (line.find("$$") != std::string_view::npos) {
      section = line.size() > 2 ? line[2] : 0;
      row = 1;
      continue;
    }
    if (section == 'C' && row <= kMaxCalRows) {
      for (int f = 1; f <= kCalFieldCount; ++f) GetCsvField(line, f, store.TestCalRows()[row][f], sink);
      ++row;
    } else if (section == 'Z' && row <= kHeaderFieldCount) {
      if (row >= hf::CalCoefficient1 && row <= hf::CalCoefficient5) store.test.Header(row) = TextField(line);
      ++row;
    }
  }
  store.RefreshTestCoefficients();
  return AttachResult::Attached;
}

}  // namespace vek
