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
    dialog.selectFile(proposed);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    const QString name = dialog.selectedFiles().first();
    folder_ = QFileInfo(name).absolutePath();
    return name;
}

}  // namespace plotwise
