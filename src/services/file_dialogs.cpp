#include "services/file_dialogs.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QStringList>

namespace plotwise {

QString DialogFilterOf(const QString& pairs) {
    const QStringList parts = pairs.split('|');
    QStringList captions;
    for (qsizetype i = 0; i < parts.size(); i += 2)
        captions << parts[i];
    return captions.join(";;");
}

QString DesktopFileDialogs::OpenFileName(const QString& filter, const QString& extension) {
    QFileDialog dialog(parent_, QString(), folder_, DialogFilterOf(filter));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setDefaultSuffix(extension);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    const QString name = dialog.selectedFiles().first();
    folder_ = QFileInfo(name).absolutePath();
    return name;
}

QString DesktopFileDialogs::SaveFileName(const QString& title, const QString& proposed,
                                         const QString& filter, const QString& extension) {
    QFileDialog dialog(parent_, title, folder_, DialogFilterOf(filter));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(extension);
    // A name typed without extension takes the one of the file type chosen.
    const QStringList pairs = filter.split('|');
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, [&](const QString& chosen) {
        for (qsizetype i = 0; i + 1 < pairs.size(); i += 2) {
            const QString& pattern = pairs[i + 1];
            if (pairs[i] == chosen && pattern.startsWith("*.") && pattern.count('*') == 1 &&
                !pattern.contains(';'))
                dialog.setDefaultSuffix(pattern.mid(2));
        }
    });
    dialog.selectFile(proposed);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    const QString name = dialog.selectedFiles().first();
    folder_ = QFileInfo(name).absolutePath();
    return name;
}

}  // namespace plotwise
