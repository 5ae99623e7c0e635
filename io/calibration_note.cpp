#include "io/calibration_note.h"

#include "core/encoding.h"
#include "io/calibration_lookup.h"
#include "io/document_commands.h"

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

std::string LoadedName(const RecordStore& store) {
  if (!store.calFilePath.empty()) return FileNameOf(store.calFilePath);
  return HasCalibrationRows(store.calibration) ? "無題" : "なし";
}

// Whether two stored paths name the same file, as far as their text tells (the file may no longer
// exist, or come from another machine).
bool SamePath(const TextField& a, const TextField& b) {
  return a == b || FieldToPath(a).lexically_normal() == FieldToPath(b).lexically_normal();
}

}  // namespace

std::string CalibrationFormNote(const RecordStore& store) {
  std::string note = "この見出しのCAL: " + LoadedName(store);
  const TextField& attached = store.test.Header(hf::CalFileName);
  if (!NamesCalibration(attached)) return note;
  if (!store.calFilePath.empty() && SamePath(store.calFilePath, attached))
    return note + "\n試験に添付されたCALと同じファイルです";
  // Two files of one name in different folders are told apart by the whole path.
  const std::string other = FileNameOf(attached) == LoadedName(store) ? Cp932ToUtf8(attached) : FileNameOf(attached);
  return note + "\n試験の添付は別のファイル (" + other + ") です。試験のシートはそのデータで描かれます";
}

std::string CalibrationNote(const RecordStore& store) {
  const std::string loaded = LoadedName(store);
  const TextField& attached = store.test.Header(hf::CalFileName);
  return "CAL: " + loaded + " ／ 試験の添付: " + (attached.empty() ? std::string("なし") : FileNameOf(attached));
}

}  // namespace vek
