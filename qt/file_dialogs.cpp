#include "qt/file_dialogs.h"

#include <QFileDialog>
#include <QHeaderView>
#include <QTreeView>

#include "qt/cp932_text.h"

namespace vek {

namespace {

constexpr QSize kFileDialogSize(860, 480);

// Qt's own file dialog (its detail list is the tree view of that name): the sizes, types and dates
// are shown whole ("2026/12/08 10:59", "62 バイト"), the names take the rest of the width.
void ShowDetailsWhole(QFileDialog& dialog) {
  dialog.resize(dialog.sizeHint().expandedTo(kFileDialogSize));
  auto* list = dialog.findChild<QTreeView*>(QStringLiteral("treeView"));
  if (!list) return;
  QHeaderView* header = list->header();
  header->setStretchLastSection(false);
  header->setSectionResizeMode(QHeaderView::ResizeToContents);
  header->setSectionResizeMode(0, QHeaderView::Stretch);
}

std::optional<std::filesystem::path> Run(QFileDialog& dialog) {
  ShowDetailsWhole(dialog);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  return QStringToPath(dialog.selectedFiles().constFirst());
}

}  // namespace

QString PathToQString(const std::filesystem::path& path) { return QString::fromStdString(path.string()); }

std::filesystem::path QStringToPath(const QString& path) { return std::filesystem::path(path.toStdString()); }

QStringList QtNameFilters(std::string_view filter) {
  QStringList filters;
  for (const FileFilterEntry& entry : ParseFilterString(filter)) {
    QStringList patterns;
    for (const std::string& p : entry.patterns) {
      QString pattern = FromUtf8(p);
      if (pattern == QLatin1String("*.*")) pattern = QStringLiteral("*");
      for (const QString& spelling : {pattern, pattern.toUpper()}) {
        if (!patterns.contains(spelling)) patterns << spelling;
      }
    }
    if (patterns.isEmpty()) continue;
    filters << QStringLiteral("%1 (%2)").arg(FromUtf8(entry.description), patterns.join(QLatin1Char(' ')));
  }
  return filters;
}

void QtFileChooser::PrepareOpen(QFileDialog& dialog, const FileChooserRequest& request) {
  dialog.setAcceptMode(QFileDialog::AcceptOpen);
  dialog.setNameFilters(QtNameFilters(request.filter));
  if (!request.initialFolder.empty()) dialog.setDirectory(PathToQString(request.initialFolder));
}

std::optional<std::filesystem::path> QtFileChooser::ChooseOpenFile(const FileChooserRequest& request) {
  QFileDialog dialog(parent_.data());
  PrepareOpen(dialog, request);
  dialog.setFileMode(QFileDialog::ExistingFile);
  return Run(dialog);
}

std::vector<std::filesystem::path> QtFileChooser::ChooseOpenFiles(const FileChooserRequest& request) {
  QFileDialog dialog(parent_.data());
  PrepareOpen(dialog, request);
  dialog.setFileMode(QFileDialog::ExistingFiles);
  std::vector<std::filesystem::path> chosen;
  if (dialog.exec() != QDialog::Accepted) return chosen;
  for (const QString& file : dialog.selectedFiles()) chosen.push_back(QStringToPath(file));
  return chosen;
}

std::optional<std::filesystem::path> QtFileChooser::ChooseSaveFile(const FileChooserRequest& request) {
  QFileDialog dialog(parent_.data());
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setFileMode(QFileDialog::AnyFile);
  dialog.setNameFilters(QtNameFilters(request.filter));
  dialog.setOption(QFileDialog::DontConfirmOverwrite, !request.overwritePrompt);
  if (!request.defaultExtension.empty()) dialog.setDefaultSuffix(FromUtf8(request.defaultExtension));
  const QString start = PathToQString(request.startName);
  // A pattern ("*.vdw", the remembered path of a file the framework loaded) names no file; it
  // still says in which folder to start when it has one.
  if (start.contains(QLatin1Char('*')) || start.contains(QLatin1Char('?'))) {
    if (request.startName.has_parent_path()) dialog.setDirectory(PathToQString(request.startName.parent_path()));
  } else if (!start.isEmpty()) {
    dialog.selectFile(start);
  }
  return Run(dialog);
}

}  // namespace vek
