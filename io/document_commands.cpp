#include "io/document_commands.h"

#include "core/encoding.h"
#include "core/messages.h"
#include "io/data_file_reader.h"
#include "io/data_file_writer.h"
#include "io/file_v.h"
#include "io/program_folder.h"
#include "io/save_as_target.h"
#include "io/settings_location.h"

namespace vek {

namespace fs = std::filesystem;

std::string SaveChangesQuestion(const std::string& title) {
  return "「" + (title.empty() ? std::string(kUntitledTitle) : title) + "」への変更を保存しますか？";
}

bool DocumentCommands::SaveModified(const std::function<SaveChoice(const std::string& question)>& ask) {
  if (!modified_) return true;
  switch (ask(SaveChangesQuestion(Title()))) {
    case SaveChoice::Save:
      return Save();
    case SaveChoice::Discard:
      return true;
    case SaveChoice::Cancel:
      break;
  }
  return false;
}

TextField PathToField(const fs::path& path) { return Sjis(Utf8FromHostPath(path)); }

fs::path FieldToPath(std::string_view field) { return HostPathFromUtf8(Cp932ToUtf8(field)); }

DocumentCommands::DocumentCommands(RecordStore& store, SheetSettings& settings, MessageSink& sink,
                                   FileChooser& chooser, DocumentHost& host)
    : store_(store), settings_(settings), sink_(sink), chooser_(chooser), host_(host) {}

void DocumentCommands::SetPathName(const fs::path& path) {
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
  modified_ = false;
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
  std::optional<std::string> bytes = ReadFileHead(path, kFileHeadBytes);
  if (bytes && bytes->size() == kFileHeadBytes && FrameworkPathVersion(*bytes) >= kVersionCalibrationV3) {
    bytes = ReadWholeFile(path);
  }
  if (!bytes) {
    sink_.Show(msg::FileNotFound, Utf8FromHostPath(path));
    return false;
  }
  const LoadOutcome outcome = LoadDataBytesFramework(*bytes, store_, settings_, parser_, sink_);
  if (!outcome.ok()) return false;
  SetPathName(path);
  modified_ = false;
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
  if (!SaveRecordFile(path, kind, store_)) {
    sink_.Show(msg::CannotSave);
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
        !sink_.AskYesNo(ReplaceFileQuestion(target->path)))
      continue;
    if (!WriteDocument(target->path, target->kind)) continue;
    (target->kind == DataKind::Calibration ? store_.calFilePath : store_.testFilePath) = PathToField(target->path);
    SetPathName(target->path);
    modified_ = false;
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
  modified_ = false;
  return true;
}

void DocumentCommands::NewDocument() {
  store_.NewDocument();
  pathName_.clear();
  modified_ = false;
  host_.UpdateAllViews();
}

}  // namespace vek
