#include "app/recent_files.h"

#include <QFileInfo>

namespace vek {

namespace {

QString KeyOf(int i) { return QStringLiteral("RecentFiles/File%1").arg(i + 1); }

QString Normalised(const QString& path) { return QFileInfo(path).absoluteFilePath(); }

}  // namespace

RecentFileList::RecentFileList(std::unique_ptr<QSettings> settings, int size)
    : settings_(settings ? std::move(settings) : std::make_unique<QSettings>()), size_(size) {
  Load();
}

void RecentFileList::Load() {
  entries_.clear();
  for (int i = 0; i < size_; ++i) {
    QString path = settings_->value(KeyOf(i)).toString();
    if (!path.isEmpty() && !entries_.contains(path)) entries_.append(path);
  }
}

void RecentFileList::Store() {
  // Only what differs is handed to QSettings: any change makes it rewrite (and sync) the whole file,
  // and reopening the newest file, the usual start, changes nothing.
  for (int i = 0; i < size_; ++i) {
    const QString key = KeyOf(i);
    if (i < entries_.size()) {
      if (settings_->value(key).toString() != entries_[i]) settings_->setValue(key, entries_[i]);
    } else if (settings_->contains(key)) {
      settings_->remove(key);
    }
  }
  // No sync() here: QSettings writes the change from the event loop shortly afterwards and at exit,
  // so opening a file never waits for a forced disk write of the list.
}

void RecentFileList::Add(const QString& path) {
  if (path.isEmpty()) return;
  QString p = Normalised(path);
  entries_.removeAll(p);
  entries_.prepend(p);
  while (entries_.size() > size_) entries_.removeLast();
  Store();
}

void RecentFileList::Remove(const QString& path) {
  if (entries_.removeAll(Normalised(path)) > 0) Store();
}

QString RecentFileList::MenuText(int i) const {
  if (i < 0 || i >= entries_.size()) return {};
  QString shown = entries_[i];
  shown.replace(QLatin1Char('&'), QLatin1String("&&"));
  return QStringLiteral("&%1 %2").arg(i + 1).arg(shown);
}

}  // namespace vek
