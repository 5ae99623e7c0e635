#include "settings/logic/setup_logic.h"

#include "io/program_folder.h"
#include "io/settings_files.h"

namespace vek {

namespace {

constexpr char kBackslash = '\\';

bool IsUpperDriveLetter(const std::string& drive) {
  return drive.size() == 1 && drive[0] >= 'A' && drive[0] <= 'Z';
}

std::string WindowsDriveLetter(const SheetSettings& settings) {
  const std::string drive = settings.windowsDrive.empty() ? WindowsDrive() : settings.windowsDrive;
  return drive.substr(0, 1);
}

}  // namespace

SetupLogic::SetupLogic(SheetSettings& settings, RecordStore& store)
    : drive(settings.installDrive), folder(settings.installFolder), settings_(settings), store_(store) {}

void SetupLogic::FolderLeft(MessageSink& sink) {
  if (folder.size() <= 1) sink.Show(msg::NoData);
  if (folder.empty() || folder[0] != kBackslash) folder.insert(folder.begin(), kBackslash);
}

void SetupLogic::ApplyStandard() {
  drive = WindowsDriveLetter(settings_);
  folder = std::string(kDefaultInstallFolder);
}

std::filesystem::path SetupLogic::HostFolder() const { return MapWindowsPath(drive + ":" + folder); }

SetupField SetupLogic::Commit(MessageSink& sink) {
  for (char& c : drive)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  // OK by Enter never left the folder edit: its backslash rule applies here too, so that no folder
  // relative to the drive is stored.
  if (!folder.empty() && folder[0] != kBackslash) folder.insert(folder.begin(), kBackslash);
  const bool driveOk = IsUpperDriveLetter(drive);
  if (!driveOk || folder.size() < 2) {
    sink.Show(msg::BadDriveName);
    return driveOk ? SetupField::Folder : SetupField::Drive;
  }
  settings_.installDrive = drive;
  settings_.installFolder = folder;
  if (!WriteLocationFile(drive, folder)) sink.Show(msg::BadFolderOrDrive);
  LoadSettings(settings_, store_, true, sink);
  return SetupField::None;
}

}  // namespace vek
