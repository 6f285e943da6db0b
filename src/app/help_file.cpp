#include "app/help_file.h"

#include <QByteArray>
#include <QRegularExpression>

#include "plot/safe_file.h"

namespace plotwise {

namespace {

constexpr qint64 kMaxHelpFileSize = 4 << 20;

}  // namespace

bool HelpFile::Load(const QString& path) {
    topics_.clear();
    // Only a regular file: opening a FIFO would wait for a writer.
    const FileHandle file = OpenRegularFile(path.toStdString());
    if (!file.Valid()) return false;
    QByteArray bytes(kMaxHelpFileSize + 1, Qt::Uninitialized);
    const long read = ReadFully(file.Get(), bytes.data(), static_cast<std::size_t>(bytes.size()));
    if (read < 0 || read > kMaxHelpFileSize) return false;
    bytes.truncate(read);
    Parse(QString::fromUtf8(bytes));
    return !topics_.isEmpty();
}

void HelpFile::Parse(const QString& text) {
    topics_.clear();
    order_.clear();
    static const QRegularExpression marker(R"(<!--\s*topic\s+(\w+)\s*-->)");
    QString key;
    qsizetype from = 0;
    for (auto it = marker.globalMatch(text); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        if (!key.isEmpty()) topics_.insert(key, text.mid(from, m.capturedStart() - from));
        key = m.captured(1);
        if (!order_.contains(key)) order_ << key;
        from = m.capturedEnd();
    }
    if (!key.isEmpty()) topics_.insert(key, text.mid(from));
}

QString HelpFile::Title(const QString& key) const {
    static const QRegularExpression heading(R"(<h2>(.*?)</h2>)");
    const QRegularExpressionMatch m = heading.match(Topic(key));
    return m.hasMatch() ? m.captured(1) : key;
}

QStringList HelpFile::Find(const QString& words) const {
    static const QRegularExpression separators(R"(\s+)");
    static const QRegularExpression tag(R"(<[^>]*>)");
    const QStringList wanted = words.split(separators, Qt::SkipEmptyParts);
    QStringList found;
    if (wanted.isEmpty()) return found;
    for (const QString& key : order_) {
        QString text = Topic(key);
        text.replace(tag, " ").replace("&gt;", ">").replace("&lt;", "<").replace("&amp;", "&");
        bool all = true;
        for (const QString& word : wanted)
            all = all && text.contains(word, Qt::CaseInsensitive);
        if (all) found << key;
    }
    return found;
}

}  // namespace plotwise
