#include "app/document_names.h"

#include <QFileInfo>

namespace plotwise {

int NextNonameNumber(const QStringList& captions) {
    int n = 1;
    while (captions.contains(QString("Noname%1.plw").arg(n), Qt::CaseInsensitive))
        ++n;
    return n;
}

QString ShortFileName(const QString& path) {
    return QFileInfo(path).fileName();
}

QString DocumentPathFromCommandLine(const QString& commandLine) {
    if (commandLine.startsWith('"')) {
        const qsizetype close = commandLine.indexOf('"', 1);
        if (close < 0) return {};
        return commandLine.mid(close + 2);
    }
    const qsizetype blank = commandLine.indexOf(' ');
    return blank < 0 ? QString() : commandLine.mid(blank + 1);
}

QString CommandLineOf(const QStringList& arguments) {
    if (arguments.isEmpty()) return {};
    QString line =
        arguments.first().contains(' ') ? '"' + arguments.first() + '"' : arguments.first();
    for (qsizetype i = 1; i < arguments.size(); ++i)
        line += ' ' + arguments[i];
    return line;
}

}  // namespace plotwise
