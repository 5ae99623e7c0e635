#pragma once
// The recent-file list of the File menu: the last four files opened or saved, newest first, kept in
// QSettings under "RecentFiles/File1" ... "File4".
#include <QSettings>
#include <QString>
#include <QStringList>
#include <memory>

namespace vek {

class RecentFileList {
 public:
  // Keeps the list in the given settings object (the application's QSettings when null).
  explicit RecentFileList(std::unique_ptr<QSettings> settings = nullptr, int size = 4);

  const QStringList& Entries() const { return entries_; }
  // Puts the file at the top (absolute path; a duplicate moves up) and stores the list.
  void Add(const QString& path);
  // Drops an entry (a file that could no longer be opened) and stores the list.
  void Remove(const QString& path);

  // The settings object the list is kept in (the window keeps its own state beside it).
  QSettings& Settings() { return *settings_; }

  // Menu text of entry i (0-based): "&1 /path/to/file.vdw", ampersands of the path doubled.
  QString MenuText(int i) const;

 private:
  void Load();
  void Store();

  std::unique_ptr<QSettings> settings_;
  int size_;
  QStringList entries_;
};

}  // namespace vek
