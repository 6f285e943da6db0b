// The documents most recently opened or saved, newest first, as the File menu lists them and
// Plotwise.ini keeps them.
#pragma once

#include <QStringList>

class QSettings;

namespace plotwise {

class RecentFiles {
  public:
    static constexpr int kMaxFiles = 8;

    const QStringList& Paths() const { return paths_; }
    // Puts path first, once, and keeps the newest kMaxFiles.
    void Add(const QString& path);
    void Remove(const QString& path);

    // "RecentFiles/File1".."File8"; blank, unreadable and repeated entries are skipped.
    void Read(const QSettings& ini);
    void Write(QSettings& ini) const;

  private:
    QStringList paths_;
};

}  // namespace plotwise
