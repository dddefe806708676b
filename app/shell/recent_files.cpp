#include "app/shell/recent_files.h"

#include <QSettings>
#include <algorithm>

#include "resources/command_ids.h"

namespace tl {
namespace {

constexpr const char* kSection = "Recent File List";

QString EntryKey(int index) { return QStringLiteral("%1/File%2").arg(QLatin1String(kSection)).arg(index + 1); }

}  // namespace

RecentFileList::RecentFileList(QSettings& settings) : settings_(settings) {
  for (int i = 0; i < kRecentFileCount; ++i) {
    const QString path = settings_.value(EntryKey(i)).toString();
    if (!path.isEmpty() && std::find(paths_.begin(), paths_.end(), path.toStdString()) == paths_.end())
      paths_.push_back(path.toStdString());
  }
}

void RecentFileList::Add(const std::string& path) {
  if (path.empty()) return;
  paths_.erase(std::remove(paths_.begin(), paths_.end(), path), paths_.end());
  paths_.insert(paths_.begin(), path);
  if (paths_.size() > size_t(kRecentFileCount)) paths_.resize(kRecentFileCount);
  Write();
}

void RecentFileList::Remove(const std::string& path) {
  paths_.erase(std::remove(paths_.begin(), paths_.end(), path), paths_.end());
  Write();
}

void RecentFileList::Write() {
  settings_.remove(QLatin1String(kSection));
  for (size_t i = 0; i < paths_.size(); ++i) settings_.setValue(EntryKey(int(i)), QString::fromStdString(paths_[i]));
}

}  // namespace tl
