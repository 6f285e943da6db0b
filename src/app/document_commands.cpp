// Documents: New, Open, Save, Save As, the question before one closes, and the questions of
// the shut-down.
#include <QFileInfo>
#include <QMdiArea>
#include <QMdiSubWindow>

#include "current_options.h"
#include "document_file.h"
#include "document_names.h"
#include "document_window.h"
#include "file_dialogs.h"
#include "main_form.h"
#include "messages.h"
#include "program_settings.h"
#include "shell_feedback.h"

namespace plotwise {

void TMainForm::NewDocument() {
    CurrentOptions = LoadOptionsFile(OptionsFilePath().toStdString());
    QStringList captions;
    for (TMDIChild* child : Documents())
        captions << child->Caption();
    CreateDocumentWindow(QString("Noname%1.plw").arg(NextNonameNumber(captions)));
}

TMDIChild* TMainForm::CreateDocumentWindow(const QString& name) {
    auto* child = new TMDIChild(CurrentOptions, name);
    child->Document().Feedback = feedback_.get();
    child->OnCloseQuery = [this](TMDIChild& c) { return QueryCloseDocument(c); };
    child->UndoManager().OnChanged = [this] {
        if (!destroying_) UpdateUndoMenu();
    };
    connect(child, &TMDIChild::ContextMenuRequested, this, &TMainForm::ShowDocumentMenu);
    QMdiSubWindow* window = mdi_->addSubWindow(child);
    connect(window, &QObject::destroyed, this, &TMainForm::UpdateMenuItems);
    window->show();
    AutoMaximize();
    return child;
}

void TMainForm::AutoMaximize() {
    if (!ProgramSettings.Common.AutoMaximize) return;
    if (QMdiSubWindow* window = mdi_->currentSubWindow();
        window != nullptr && !window->isMaximized())
        window->showMaximized();
}

void TMainForm::OpenCommand() {
    const QString path = dialogs_->OpenFileName(kDocumentFilter, "plw");
    if (!path.isEmpty()) OpenDocument(path);
}

TMDIChild* TMainForm::OpenDocument(const QString& path) {
    DocumentContents contents;
    const DocumentCheck check = LoadDocumentFile(path.toStdString(), contents);
    if (!check.valid) {
        messages_->Error(QString::fromStdString(check.Message()));
        return nullptr;
    }
    TMDIChild* child = CreateDocumentWindow(ShortFileName(path));
    TGraphicsManager& document = child->Document();
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

bool TMainForm::SaveDocument(TMDIChild& child) {
    TGraphicsManager& document = child.Document();
    if (!document.Named) return SaveWithDialog(child);
    if (!WriteDocument(document, document.FileName)) {
        messages_->Error(kInputOutputError);
        return false;
    }
    document.Modified = false;
    return true;
}

void TMainForm::SaveDocumentAs(TMDIChild& child) {
    SaveWithDialog(child);
}

bool TMainForm::SaveWithDialog(TMDIChild& child) {
    TGraphicsManager& document = child.Document();
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

bool TMainForm::QueryCloseDocument(TMDIChild& child) {
    if (!child.Document().Modified) return true;
    switch (messages_->YesNoCancel("Save changes to " + child.Caption() + "?")) {
        case TAnswer::Yes:
            return SaveDocument(child);
        case TAnswer::No:
            return true;
        default:
            return false;
    }
}

bool TMainForm::QueryShutDown() {
    for (TMDIChild* child : Documents()) {
        if (!QueryCloseDocument(*child)) return false;
    }
    return true;
}

}  // namespace plotwise
