#include "io/data_file_format.h"

#include <cctype>

#include "core/messages.h"
#include "io/ver2_import.h"

namespace vek {

int DetectFileVersion(std::string_view firstLine) {
  if (firstLine.size() < 4 || firstLine.size() > 31) return kVersionUnknown;
  struct Pattern {
    std::string_view text;
    int code;
  };
  static constexpr Pattern kPatterns[] = {
      {kVer2Magic, kVersionVer2},
      {kCalibrationMagic, kVersionCalibration},
      {kCalibrationMagicV3, kVersionCalibrationV3},
      {kTestMagic, kVersionTest},
      {kTestMagicV3, kVersionTestV3},
  };
  for (const auto& p : kPatterns) {
    if (firstLine.find(p.text) != std::string_view::npos) return p.code;
  }
  return kVersionUnknown;
}

bool EndsWithNoCase(std::string_view text, std::string_view ending) {
  if (text.size() < ending.size()) return false;
  std::string_view tail = text.substr(text.size() - ending.size());
  for (size_t i = 0; i < ending.size(); ++i) {
    if (std::tolower(static_cast<unsigned char>(tail[i])) != std::tolower(static_cast<unsigned char>(ending[i])))
      return false;
  }
  return true;
}

DataKind KindOfVersion(int code, std::string_view fileName) {
  if (code == kVersionVer2) return EndsWithNoCase(fileName, "cdf") ? DataKind::Calibration : DataKind::Test;
  if (code == kVersionCalibrationV3 || code == kVersionCalibration) return DataKind::Calibration;
  return DataKind::Test;
}

std::string_view PrepareLine(std::string_view line) {
  if (line.size() >= 2 && line.substr(line.size() - 2) == "\r\n") return line.substr(0, line.size() - 2);
  if (!line.empty() && line.back() == '\n') return line.substr(0, line.size() - 1);
  return line;
}

namespace {

// Fields 1..count of a table line into row[1..count]. A line without quotes and line feeds (all that
// this program writes) is split at its commas in one pass; any other goes field by field through
// GetCsvField, which knows the quoting rules.
template <typename Row>
void SplitTableLine(std::string_view line, Row& row, int count, MessageSink& sink) {
  constexpr size_t kCsvLineLimit = 2600;  // GetCsvField cuts (and reports) longer lines
  bool plain = line.size() <= kCsvLineLimit;
  for (size_t i = 0; plain && i < line.size(); ++i) plain = line[i] != '"' && line[i] != '\n';
  if (!plain) {
    for (int f = 1; f <= count; ++f) GetCsvField(line, f, row[f], sink);
    return;
  }
  size_t pos = 0;
  for (int f = 1; f <= count; ++f) {
    if (pos > line.size()) {
      row[f].clear();
      continue;
    }
    size_t comma = line.find(',', pos);
    if (comma == std::string_view::npos) comma = line.size();
    row[f].assign(line.data() + pos, comma - pos);
    pos = comma + 1;
  }
}

// The current-format parser: header lines, calibration rows and test rows.
void ParseCurrentLine(DataParseContext& ctx, DataKind kind, std::string_view line) {
  SectionState& s = ctx.state.current;
  if (line.find("$$") != std::string_view::npos) {
    // A section line; one too short to name a section is ignored.
    if (line.size() > 2) {
      s.letter = line[2];
      s.row = 1;
    }
    return;
  }
  Record& record = kind == DataKind::Calibration ? ctx.store.calibration : ctx.store.test;
  switch (s.letter) {
    case 'Z':
      if (s.row <= kHeaderFieldCount) record.Header(s.row++) = TextField(line);
      break;
    case 'C':
      if (s.row <= kMaxCalRows) {
        SplitTableLine(line, record.CalRows[s.row], kCalFieldCount, ctx.sink);
        ++s.row;
      }
      break;
    case 'A':
      if (kind == DataKind::Test && s.row <= kMaxTestRows) {
        SplitTableLine(line, record.TestRows[s.row], kTestFieldCount, ctx.sink);
        ++s.row;
      }
      break;
    default:
      break;
  }
}

}  // namespace

void ParseDataLine(DataParseContext& ctx, int code, DataKind kind, std::string_view line) {
  line = PrepareLine(line);
  if (code == kVersionVer2) {
    SectionState& s = kind == DataKind::Calibration ? ctx.state.ver2Calibration : ctx.state.ver2Test;
    ParseVer2Line(ctx.store, s, kind, line, SiFactorOf(ctx.settings));
    return;
  }
  ParseCurrentLine(ctx, kind, line);
}

}  // namespace vek
