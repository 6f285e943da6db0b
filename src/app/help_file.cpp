#include "help_file.h"

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

namespace plotwise {

namespace {

constexpr qint64 kMaxHelpFileSize = 4 << 20;

}  // namespace

bool THelpFile::Load(const QString& path) {
    topics_.clear();
    // Only a regular file: opening a FIFO would wait for a writer.
    const QFileInfo info(path);
    if (!info.isFile() || info.size() > kMaxHelpFileSize) return false;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return false;
    Parse(QString::fromUtf8(file.read(kMaxHelpFileSize)));
    return !topics_.isEmpty();
}

void THelpFile::Parse(const QString& text) {
    topics_.clear();
    static const QRegularExpression marker(R"(<!--\s*topic\s+(\w+)\s*-->)");
    QString key;
    qsizetype from = 0;
    for (auto it = marker.globalMatch(text); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        if (!key.isEmpty()) topics_.insert(key, text.mid(from, m.capturedStart() - from));
        key = m.captured(1);
        from = m.capturedEnd();
    }
    if (!key.isEmpty()) topics_.insert(key, text.mid(from));
}

}  // namespace plotwise
