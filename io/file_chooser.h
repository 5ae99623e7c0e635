#pragma once
// The file-chooser interface the document commands, the test header form's "開く" and the CSV
// export ask for a path, and the filter strings they pass it. qt/ implements it with Qt's file
// dialogs; tests answer it from a script.
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vek {

// One entry of a filter string: its description and its patterns ("*.vdw"), empty patterns dropped.
struct FileFilterEntry {
  std::string description;
  std::vector<std::string> patterns;
};
std::vector<FileFilterEntry> ParseFilterString(std::string_view filter);

// What a file chooser is asked for.
struct FileChooserRequest {
  std::string_view filter;              // see ParseFilterString
  std::string defaultExtension;         // appended by the chooser when the user types none; "" for none
  std::filesystem::path initialFolder;  // open chooser: start folder; empty for the platform's default
  std::filesystem::path startName;      // save chooser: proposed name (may be a pattern such as "*.vdw")
  bool overwritePrompt = false;         // save chooser asks before replacing a file
};

class FileChooser {
 public:
  virtual ~FileChooser() = default;
  // The chosen path, or nothing when the user cancels.
  virtual std::optional<std::filesystem::path> ChooseOpenFile(const FileChooserRequest& request) = 0;
  virtual std::optional<std::filesystem::path> ChooseSaveFile(const FileChooserRequest& request) = 0;
  // Several files at once (empty when the user cancels); a chooser that takes one file at a time
  // gives that one.
  virtual std::vector<std::filesystem::path> ChooseOpenFiles(const FileChooserRequest& request) {
    if (auto one = ChooseOpenFile(request)) return {*one};
    return {};
  }
};

}  // namespace vek
