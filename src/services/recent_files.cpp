#include "services/recent_files.h"

#include <QSettings>

namespace plotwise {
namespace {

QString Key(int i) {
    return QString("RecentFiles/File%1").arg(i + 1);
}

}  // namespace

void RecentFiles::Add(const QString& path) {
    paths_.removeAll(path);
    paths_.prepend(path);
    while (paths_.size() > kMaxFiles)
        paths_.removeLast();
}

void RecentFiles::Remove(const QString& path) {
    paths_.removeAll(path);
}

void RecentFiles::Read(const QSettings& ini) {
    paths_.clear();
    for (int i = 0; i < kMaxFiles; ++i) {
        const QVariant value = ini.value(Key(i));
        if (value.typeId() != QMetaType::QString) continue;
        const QString path = value.toString();
        if (!path.trimmed().isEmpty() && !paths_.contains(path)) paths_ << path;
    }
}

void RecentFiles::Write(QSettings& ini) const {
    for (int i = 0; i < kMaxFiles; ++i) {
        if (i < paths_.size())
            ini.setValue(Key(i), paths_[i]);
        else
            ini.remove(Key(i));
    }
}

}  // namespace plotwise
