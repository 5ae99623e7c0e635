#pragma once
// The setup form: where the program folder is (install drive and install folder). OK records the
// choice in the location file on the Windows drive and reloads the settings from the new folder.
#include <filesystem>
#include <string>

#include "core/messages.h"
#include "core/record_store.h"
#include "core/sheet_settings.h"

namespace vek {

// Input limits of the two edits, in bytes.
inline constexpr int kInstallDriveMaxBytes = 1;
inline constexpr int kInstallFolderMaxBytes = 30;

// The field a refused OK sends the user back to.
enum class SetupField { None, Drive, Folder };

class SetupLogic {
 public:
  // Opens with the stored install drive and folder.
  SetupLogic(SheetSettings& settings, RecordStore& store);

  // The edits' texts (CP932).
  std::string drive;
  std::string folder;

  // The folder edit loses the focus: an empty or one-character folder is reported (4007); a folder
  // without a leading "\" gets one.
  void FolderLeft(MessageSink& sink);

  // "標準の設定": the Windows drive and "\Kavrion\Pemo5".
  void ApplyStandard();

  // Where the edits' drive and folder lie on this machine (shown on the form).
  std::filesystem::path HostFolder() const;

  // OK: the drive is turned to upper case and a folder without its leading "\" gets one; a drive that is not a letter or a folder shorter than
  // two characters is refused ("ドライブ名が異常です") and nothing is stored. Otherwise the drive
  // and folder are stored, the location file is written (a failure is reported, the new location
  // still holds for this run) and the settings are reloaded from the new program folder.
  SetupField Commit(MessageSink& sink);

 private:
  SheetSettings& settings_;
  RecordStore& store_;
};

}  // namespace vek
