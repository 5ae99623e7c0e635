#include "io/calibration_note.h"

#include "core/encoding.h"

namespace vek {

namespace {

// The file name of a stored path; a stored name may come from Windows, so both separators count.
std::string FileNameOf(const TextField& field) {
  const std::string utf8 = Cp932ToUtf8(field);
  const size_t cut = utf8.find_last_of("/\\");
  return cut == std::string::npos ? utf8 : utf8.substr(cut + 1);
}

bool HasCalibrationRows(const Record& calibration) {
  return IsNumericText(calibration.Cal(1, cf::Pressure)) > 0 || IsNumericText(calibration.Cal(1, cf::Reading)) > 0;
}

}  // namespace

std::string CalibrationNote(const RecordStore& store) {
  std::string loaded = "なし";
  if (!store.calFilePath.empty()) {
    loaded = FileNameOf(store.calFilePath);
  } else if (HasCalibrationRows(store.calibration)) {
    loaded = "無題";
  }
  const TextField& attached = store.test.Header(hf::CalFileName);
  return "CAL: " + loaded + " ／ 試験の添付: " + (attached.empty() ? std::string("なし") : FileNameOf(attached));
}

}  // namespace vek
