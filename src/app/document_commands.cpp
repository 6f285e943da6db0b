// Documents: New, Open, Save, Save As, the question before one closes, and the questions of
// the shut-down.
#include <QFileInfo>
#include <QMdiArea>
#include <QMdiSubWindow>

#include "app/current_options.h"
#include "app/document_names.h"
#include "app/document_window.h"
#include "app/main_window.h"
#include "app/shell_feedback.h"
#include "plot/document_file.h"
#include "services/file_dialogs.h"
#include "services/messages.h"
#include "services/program_settings.h"

namespace plotwise {

void MainWindow::NewDocument() {
    CurrentOptions = LoadOptionsFile(OptionsFilePath().toStdString());
    QStringList captions;
    for (DocumentWindow* child : Documents())
        captions << child->Caption();
    CreateDocumentWindow(QString("Noname%1.plw").arg(NextNonameNumber(captions)));
}

DocumentWindow* MainWindow::CreateDocumentWindow(const QString& name) {
    auto* child = new DocumentWindow(CurrentOptions, name);
    child->Doc().Reporter = feedback_.get();
    child->OnCloseQuery = [this](DocumentWindow& c) { return QueryCloseDocument(c); };
    child->History().OnChanged = [this] {
        if (!destroying_) UpdateUndoMenu();
    };
    connect(child, &DocumentWindow::ContextMenuRequested, this, &MainWindow::ShowDocumentMenu);
    QMdiSubWindow* window = mdi_->addSubWindow(child);
    connect(window, &QObject::destroyed, this, &MainWindow::UpdateMenuItems);
    window->show();
    AutoMaximize();
    return child;
}

void MainWindow::AutoMaximize() {
    if (!GlobalSettings.Common.AutoMaximize) return;
    if (QMdiSubWindow* window = mdi_->currentSubWindow();
        window != nullptr && !window->isMaximized())
        window->showMaximized();
}

void MainWindow::OpenCommand() {
    const QString path = dialogs_->OpenFileName(kDocumentFilter, "plw");
    if (!path.isEmpty()) OpenDocument(path);
}

DocumentWindow* MainWindow::OpenDocument(const QString& path) {
    DocumentContents contents;
    const DocumentCheck check = LoadDocumentFile(path.toStdString(), contents);
    if (!check.valid) {
        messages_->Error(QString::fromStdString(check.Message()));
        return nullptr;
    }
    DocumentWindow* child = CreateDocumentWindow(ShortFileName(path));
    Document& document = child->Doc();
    document.FileName = QFileInfo(path).absoluteFilePath().toStdString();
    document.Named = true;
    document.Modified = false;
    TakeContents(document, contents);
    CurrentOptions = document.Options;
    child->RedrawPicture();
    document.CalculateGraphs();
    RebuildGraphsList();
    return child;
}

bool MainWindow::SaveDocument(DocumentWindow& child) {
    Document& document = child.Doc();
    if (!document.Named) return SaveWithDialog(child);
    if (!WriteDocument(document, document.FileName)) {
        messages_->Error(kInputOutputError);
        return false;
    }
    document.Modified = false;
    return true;
}

void MainWindow::SaveDocumentAs(DocumentWindow& child) {
    SaveWithDialog(child);
}

bool MainWindow::SaveWithDialog(DocumentWindow& child) {
    Document& document = child.Doc();
    const QString proposed = ShortFileName(QString::fromStdString(document.FileName));
    const QString path = dialogs_->SaveFileName(QString(), proposed, kDocumentFilter, "plw");
    if (path.isEmpty()) return false;
    if (!WriteDocument(document, path.toStdString())) {
        messages_->Error(kInputOutputError);
        return false;
    }
    document.FileName = QFileInfo(path).absoluteFilePath().toStdString();
    document.Named = true;
    document.Modified = false;
    child.setWindowTitle(ShortFileName(path));
    return true;
}

bool MainWindow::QueryCloseDocument(DocumentWindow& child) {
    if (!child.Doc().Modified) return true;
    switch (messages_->YesNoCancel("Save changes to " + child.Caption() + "?")) {
        case Answer::Yes:
            return SaveDocument(child);
        case Answer::No:
            return true;
        default:
            return false;
    }
}

bool MainWindow::QueryShutDown() {
    for (DocumentWindow* child : Documents()) {
        if (!QueryCloseDocument(*child)) return false;
    }
    return true;
}

}  // namespace plotwise
