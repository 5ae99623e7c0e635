#pragma once
// The file choosers of the File menu on Qt: the modal open and save dialogs behind the document
// commands' FileChooser interface.
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <string_view>

#include "io/file_chooser.h"

class QFileDialog;

namespace vek {

// "Desc|*.a;*.b|Other|*.*||" -> Qt name filters {"Desc (*.a *.A *.b *.B)", "Other (*)"}. Each pattern
// gets its upper-case spelling too: data files often come from systems that ignore case.
QStringList QtNameFilters(std::string_view filter);

// Host path <-> QString (host paths are UTF-8).
QString PathToQString(const std::filesystem::path& path);
std::filesystem::path QStringToPath(const QString& path);

class QtFileChooser : public FileChooser {
 public:
  explicit QtFileChooser(QWidget* parent = nullptr) : parent_(parent) {}
  void SetParent(QWidget* parent) { parent_ = parent; }

  std::optional<std::filesystem::path> ChooseOpenFile(const FileChooserRequest& request) override;
  std::optional<std::filesystem::path> ChooseSaveFile(const FileChooserRequest& request) override;
  std::vector<std::filesystem::path> ChooseOpenFiles(const FileChooserRequest& request) override;

 private:
  static void PrepareOpen(QFileDialog& dialog, const FileChooserRequest& request);
  QPointer<QWidget> parent_;
};

}  // namespace vek
