#include "io/document_commands.h"

#include <cerrno>

#include "core/encoding.h"
#include "core/messages.h"
#include "io/data_file_reader.h"
#include "io/data_file_writer.h"
#include "io/file_v.h"
#include "io/program_folder.h"
#include "io/save_as_target.h"
#include "io/settings_location.h"
#include "io/storable_text.h"

namespace vek {

namespace fs = std::filesystem;

namespace {

// The record kind a file name's ending names, if any.
std::optional<DataKind> KindOfName(const std::string& name) {
  if (EndsWithNoCase(name, ".cdw")) return DataKind::Calibration;
  if (EndsWithNoCase(name, ".vdw")) return DataKind::Test;
  return std::nullopt;
}

}  // namespace

std::string SaveChangesQuestion(const std::string& title) {
  return "「" + (title.empty() ? std::string(kUntitledTitle) : title) + "」への変更を保存しますか？";
}

std::string ChangedRecordNote(DataKind kind, const std::string& title) {
  return std::string(kind == DataKind::Calibration ? "キャリブレーション" : "ヴェクデータ") + "「" +
         (title.empty() ? std::string(kUntitledTitle) : title) + "」は変更されています（未保存）";
}

DataKind DocumentCommands::ShownKind() const {
  return store_.currentSheet == kCalibrationSheet ? DataKind::Calibration : DataKind::Test;
}

fs::path DocumentCommands::RecordPath(DataKind kind) const {
  if (!pathName_.empty()) {
    // The document's file belongs to the record its ending names; a file of another ending was
    // read as the shown record.
    const std::optional<DataKind> named = KindOfName(pathName_.filename().string());
    if (named ? *named == kind : kind == ShownKind()) return pathName_;
  }
  const TextField& field = kind == DataKind::Calibration ? store_.calFilePath : store_.testFilePath;
  // A reader leaves a pattern ("*.vdw") when it knows no file for the record.
  if (field.empty() || field.find('*') != std::string::npos) return {};
  return FieldToPath(field);
}

bool DocumentCommands::SaveRecord(DataKind kind) {
  const fs::path path = RecordPath(kind);
  if (!path.empty() && KindOfName(path.filename().string()) == kind) {
    if (!WriteDocument(path, kind)) return false;
    if (kind == ShownKind()) SetPathName(path);
    SetModified(kind, false);
    return true;
  }
  if (kind == ShownKind()) return SaveAs();
  // Save As works on the shown record: show this one for the chooser, then put the sheet and the
  // document's name back.
  const int sheet = store_.currentSheet;
  const fs::path shownPath = pathName_;
  store_.currentSheet = kind == DataKind::Calibration ? kCalibrationSheet : kTestSheet;
  SaveAs();
  store_.currentSheet = sheet;
  if (pathName_ != shownPath) SetPathName(shownPath);
  return !IsModified(kind);
}

bool DocumentCommands::SaveModified(const std::function<SaveChoice(const std::string& question)>& ask) {
  const DataKind shown = ShownKind();
  const DataKind other = shown == DataKind::Test ? DataKind::Calibration : DataKind::Test;
  for (const DataKind kind : {shown, other}) {
    if (!IsModified(kind)) continue;
    switch (ask(SaveChangesQuestion(RecordTitle(kind)))) {
      case SaveChoice::Save:
        if (!SaveRecord(kind)) return false;
        break;
      case SaveChoice::Discard:
        break;
      case SaveChoice::Cancel:
        return false;
    }
  }
  return true;
}

TextField PathToField(const fs::path& path) { return Sjis(Utf8FromHostPath(path)); }

std::optional<TextField> StorablePathField(const fs::path& path) {
  std::optional<std::string> cp932 = TryUtf8ToCp932(Utf8FromHostPath(path));
  if (!cp932 || !IsStorableHeaderText(*cp932)) return std::nullopt;
  return cp932;
}

fs::path FieldToPath(std::string_view field) { return HostPathFromUtf8(Cp932ToUtf8(field)); }

DocumentCommands::DocumentCommands(RecordStore& store, SheetSettings& settings, MessageSink& sink,
                                   FileChooser& chooser, DocumentHost& host)
    : store_(store), settings_(settings), sink_(sink), chooser_(chooser), host_(host) {}

void DocumentCommands::SetPathName(const fs::path& path) {
  // The file shown until now stays the remembered file of the record its ending names.
  if (const std::optional<DataKind> kind = KindOfName(pathName_.filename().string()); kind && pathName_ != path)
    (*kind == DataKind::Calibration ? store_.calFilePath : store_.testFilePath) = PathToField(pathName_);
  pathName_ = path;
  host_.DocumentPathChanged(path);
}

bool DocumentCommands::Open() {
  const fs::path folder = ProgramFolderHostPath(settings_);
  const FileV fileV = ReadFileV(folder);
  FileChooserRequest request;
  request.filter = kOpenFilter;
  request.defaultExtension = std::string(kOpenDefaultExtension);
  request.initialFolder = FieldToPath(fileV.folder);
  std::optional<fs::path> chosen = chooser_.ChooseOpenFile(request);
  if (!chosen) return false;
  return OpenPath(*chosen);
}

bool DocumentCommands::OpenPath(const fs::path& path) {
  const fs::path folder = ProgramFolderHostPath(settings_);
  FileV fileV = ReadFileV(folder);
  if (path.has_filename() && !path.parent_path().empty()) fileV.folder = PathToField(path.parent_path());

  const LoadOutcome outcome = LoadDataFile(path, store_, settings_, parser_, sink_);
  if (outcome.status == LoadOutcome::Status::CannotOpen || !IsDataFileVersion(outcome.code)) return false;

  host_.UpdateAllViews();
  SetPathName(path);
  SetModified(outcome.kind, false);
  ReportLosses(outcome.losses, path);
  (store_.currentSheet == kCalibrationSheet ? store_.calFilePath : store_.testFilePath) = PathToField(path);
  // Remembering the folder is a convenience: a folder that cannot be written costs only that.
  WriteFileV(folder, fileV);
  return true;
}

bool DocumentCommands::FrameworkLoad(const fs::path& path) {
  // The file shown until now becomes the remembered file of its kind.
  const std::string previous = Utf8FromHostPath(pathName_.filename());
  if (EndsWithNoCase(previous, "cdw")) {
    store_.calFilePath = PathToField(pathName_);
  } else if (EndsWithNoCase(previous, "vdw")) {
    store_.testFilePath = PathToField(pathName_);
  }
  // A first line longer than the head is no magic line: such a file is refused from its head.
  const std::optional<std::string> bytes = ReadFileHeadThenRest(
      path, kFileHeadBytes, [](std::string_view head) { return FrameworkPathVersion(head) >= kVersionCalibrationV3; });
  if (!bytes) {
    sink_.Show(msg::FileNotFound, Utf8FromHostPath(path));
    return false;
  }
  const LoadOutcome outcome = LoadDataBytesFramework(*bytes, store_, settings_, parser_, sink_);
  if (!outcome.ok()) return false;
  SetPathName(path);
  SetModified(outcome.kind, false);
  host_.UpdateAllViews();
  ReportLosses(outcome.losses, path);
  return true;
}

std::string LossesMessage(const DataFileLosses& losses, const fs::path& path) {
  std::string text = Utf8FromHostPath(path.filename()) + ":";
  for (const std::string& line : DescribeLosses(losses)) text += "\n" + line;
  return text;
}

void DocumentCommands::ReportLosses(const DataFileLosses& losses, const fs::path& path) {
  if (losses.Any()) sink_.ShowMessage(LossesMessage(losses, path));
}

bool DocumentCommands::OpenFromOutside(const fs::path& path) {
  const std::optional<std::string> head = ReadFileHead(path, kFileHeadBytes);
  if (head && FrameworkPathVersion(*head) == kVersionVer2) return OpenPath(path);
  return FrameworkLoad(path);
}

bool DocumentCommands::WriteDocument(const fs::path& path, DataKind kind) {
  // Written, such a value would come back changed (or shift every field after it): refuse, naming it.
  if (const auto unstorable = FindUnstorableValue(store_, kind)) {
    sink_.ShowMessage(UnstorableMessage(*unstorable));
    return false;
  }
  errno = 0;
  if (!SaveRecordFile(path, kind, store_)) {
    const int error = errno;
    sink_.ShowMessage(WithSystemReason(NumberedMessage(msg::CannotSave), error));
    return false;
  }
  return true;
}

bool DocumentCommands::SaveAs() {
  FileChooserRequest request;
  request.startName = pathName_;
  const std::string start = Utf8FromHostPath(pathName_.filename());
  if (store_.currentSheet == kCalibrationSheet) {
    request.filter = kSaveCalibrationFilter;
    if (EndsWithNoCase(start, "vdw")) request.startName = FieldToPath(store_.calFilePath);
  } else {
    request.filter = kSaveTestFilter;
    if (EndsWithNoCase(start, "cdw")) request.startName = FieldToPath(store_.testFilePath);
  }
  request.overwritePrompt = true;
  const DataKind shown = store_.currentSheet == kTestSheet ? DataKind::Test : DataKind::Calibration;
  // A name that cannot be saved brings the chooser back with that name: the record is not saved yet.
  for (;;) {
    const std::optional<fs::path> chosen = chooser_.ChooseSaveFile(request);
    if (!chosen) return false;
    request.startName = *chosen;
    const std::optional<SaveAsTarget> target = SaveAsTargetOf(*chosen, shown);
    if (!target) {
      sink_.Show(msg::BadExtension);
      continue;
    }
    std::error_code ec;
    if (target->extensionAdded && fs::exists(target->path, ec) &&
        !sink_.AskBeforeLoss(ReplaceFileQuestion(target->path)))
      continue;
    if (!WriteDocument(target->path, target->kind)) continue;
    (target->kind == DataKind::Calibration ? store_.calFilePath : store_.testFilePath) = PathToField(target->path);
    SetPathName(target->path);
    SetModified(target->kind, false);
    return true;
  }
}

bool DocumentCommands::Save() {
  const std::string title = Title();
  if (pathName_.empty() || title.empty()) return SaveAs();
  const bool cdw = EndsWithNoCase(title, "cdw");
  const bool vdw = EndsWithNoCase(title, "vdw");
  if ((cdw && store_.currentSheet == kTestSheet) || (vdw && store_.currentSheet == kCalibrationSheet) ||
      (!cdw && !vdw))
    return SaveAs();
  if (!WriteDocument(pathName_, cdw ? DataKind::Calibration : DataKind::Test)) return false;
  SetPathName(pathName_);
  SetModified(cdw ? DataKind::Calibration : DataKind::Test, false);
  return true;
}

void DocumentCommands::NewDocument() {
  // The document's file may be the other record's: it stays that record's file.
  const DataKind other = ShownKind() == DataKind::Test ? DataKind::Calibration : DataKind::Test;
  if (!pathName_.empty() && RecordPath(other) == pathName_)
    (other == DataKind::Calibration ? store_.calFilePath : store_.testFilePath) = PathToField(pathName_);
  SetModified(ShownKind(), false);
  store_.NewDocument();
  pathName_.clear();
  host_.UpdateAllViews();
}

}  // namespace vek
