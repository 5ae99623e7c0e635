#include "io/data_file_reader.h"

#include <algorithm>
#include <fstream>

#include "core/cal_curve.h"
#include "core/messages.h"
#include "io/data_file_lines.h"
#include "io/program_folder.h"

namespace vek {

namespace fs = std::filesystem;

namespace {

// Appends up to `maxBytes` more bytes of `f` to `bytes`; false when the end of the file came first.
bool ReadMore(std::ifstream& f, size_t maxBytes, std::string& bytes) {
  char buf[65536];
  for (size_t read = 0; read < maxBytes;) {
    const size_t want = std::min(sizeof buf, maxBytes - read);
    f.read(buf, static_cast<std::streamsize>(want));
    const size_t n = static_cast<size_t>(f.gcount());
    bytes.append(buf, n);
    read += n;
    if (n < want) return false;
  }
  return true;
}

}  // namespace

std::optional<std::string> ReadFileHeadThenRest(const fs::path& path, size_t headBytes,
                                                const std::function<bool(std::string_view head)>& wantsRest) {
  std::error_code ec;
  if (fs::is_directory(path, ec)) return std::nullopt;
  std::ifstream f(path, std::ios::binary);
  if (!f) return std::nullopt;
  std::string bytes;
  if (ReadMore(f, headBytes, bytes) && bytes.size() == headBytes && wantsRest && wantsRest(bytes))
    ReadMore(f, std::string::npos, bytes);
  if (f.bad()) return std::nullopt;
  return bytes;
}

std::optional<std::string> ReadFileHead(const fs::path& path, size_t maxBytes) {
  return ReadFileHeadThenRest(path, maxBytes, nullptr);
}

std::optional<std::string> ReadWholeFile(const std::filesystem::path& path) { return ReadFileHead(path, std::string::npos); }

int OpenPathVersion(std::string_view bytes) {
  std::string_view first;
  PieceLineReader reader(bytes, kFirstLineBytes);
  return reader.Next(first) ? DetectFileVersion(first) : kVersionUnknown;
}

namespace {

void ClearForKind(RecordStore& store, DataKind kind) {
  if (kind == DataKind::Calibration) {
    store.currentSheet = kCalibrationSheet;
    store.ClearCalibrationHeader();
    store.ClearCalibrationRows();
  } else {
    store.currentSheet = kTestSheet;
    store.ClearTestHeader();
    store.ClearTestRows();
    store.ClearTestCalRows();
  }
}

}  // namespace

void FinishLoadedRecord(RecordStore& store, const SheetSettings& settings, int code, DataKind kind) {
  Record& record = kind == DataKind::Calibration ? store.calibration : store.test;
  if (kind == DataKind::Calibration) {
    NullMessageSink quiet;
    FitCalRegression(store, 0, quiet);
  } else {
    store.RefreshTestCoefficients();
  }
  if (code == kVersionCalibrationV3 || code == kVersionTestV3) {
    record.Header(hf::SurveyNameCaption) = settings.SystemSurveyNameLabel;
    record.Header(hf::EngineerCaption) = settings.SystemEngineerLabel;
    record.Header(hf::FormulaTitle) = settings.SystemFormulaTitle;
  }
}

int FrameworkPathVersion(std::string_view bytes) {
  std::string_view first;
  FrameworkLineReader reader(bytes, kFrameworkLineBytes);
  return reader.NextWhole(first) ? DetectFileVersion(first) : -1;
}

LoadOutcome LoadDataFile(const fs::path& path, RecordStore& store, const SheetSettings& settings,
                         DataParserState& parser, MessageSink& sink) {
  LoadOutcome out;
  const std::optional<std::string> bytes = ReadFileHeadThenRest(
      path, kFileHeadBytes, [](std::string_view head) { return IsDataFileVersion(OpenPathVersion(head)); });
  if (!bytes) {
    sink.Show(msg::FileNotFound, Utf8FromHostPath(path));
    return out;
  }
  return LoadDataBytes(*bytes, Utf8FromHostPath(path.filename()), store, settings, parser, sink);
}

LoadOutcome LoadDataBytes(std::string_view bytes, std::string_view fileName, RecordStore& store,
                          const SheetSettings& settings, DataParserState& parser, MessageSink& sink) {
  LoadOutcome out;
  out.code = OpenPathVersion(bytes);
  if (!IsDataFileVersion(out.code)) {
    out.status = LoadOutcome::Status::NotVekData;
    sink.Show(msg::NotVekData);
    return out;
  }
  out.kind = KindOfVersion(out.code, fileName);
  ClearForKind(store, out.kind);

  DataParseContext ctx{store, settings, parser, sink};
  PieceLineReader reader(bytes, kOpenPieceBytes);
  std::string_view line;
  while (reader.Next(line)) ParseDataLine(ctx, out.code, out.kind, line);

  FinishLoadedRecord(store, settings, out.code, out.kind);
  out.losses = InspectDataFile(bytes, out.code, out.kind);
  out.status = LoadOutcome::Status::Loaded;
  return out;
}

LoadOutcome LoadDataBytesFramework(std::string_view bytes, RecordStore& store, const SheetSettings& settings,
                                   DataParserState& parser, MessageSink& sink) {
  LoadOutcome out;
  out.status = LoadOutcome::Status::NotVekData;
  FrameworkLineReader reader(bytes, kFrameworkLineBytes);
  std::string_view first;
  if (!reader.NextWhole(first)) {
    sink.Show(msg::NotVekData);
    return out;
  }
  out.code = DetectFileVersion(first);
  if (out.code == kVersionVer2) {
    sink.Show(msg::UseOpenForOldVersion);
    return out;
  }
  if (out.code != kVersionCalibration && out.code != kVersionCalibrationV3 && out.code != kVersionTest &&
      out.code != kVersionTestV3) {
    sink.Show(msg::NotVekData);
    return out;
  }
  out.kind = KindOfVersion(out.code, {});
  ClearForKind(store, out.kind);

  DataParseContext ctx{store, settings, parser, sink};
  ParseDataLine(ctx, out.code, out.kind, first);
  std::string_view line;
  while (reader.Next(line)) ParseDataLine(ctx, out.code, out.kind, line);

  FinishLoadedRecord(store, settings, out.code, out.kind);
  out.losses = InspectDataFile(bytes, out.code, out.kind);
  if (out.kind == DataKind::Test) {
    store.testFilePath = "*.vdw";
  } else {
    store.calFilePath = "*.cdw";
  }
  out.status = LoadOutcome::Status::Loaded;
  return out;
}

}  // namespace vek
