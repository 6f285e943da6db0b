// The Options menu's "Graph Properties..." and "Standard Options": the settings new graphs
// start with, and the built-in options, applied to the active document.
#include <QPointer>

#include "app/current_options.h"
#include "app/document_window.h"
#include "app/main_window.h"
#include "graph_dialog/default_graph_dialog.h"
#include "services/messages.h"

namespace plotwise {

void MainWindow::DefaultGraphPropsCommand() {
    DocumentWindow* child = ActiveDocument();
    if (child == nullptr) return;
    const QPointer<DocumentWindow> guard(child);
    DefaultGraphDialog dialog(this);
    dialog.ShowError = [this](const QString& text) { messages_->Error(text); };
    dialog.SetOptions(CurrentOptions);
    const bool accepted = dialog.exec() == QDialog::Accepted;
    // The dialog's event loop may have let the document go (a session ending); another
    // document's options must not receive this one's copy.
    if (guard == nullptr || ActiveDocument() != child) return;
    if (accepted) CurrentOptions = dialog.Options;
    child->Doc().SetOptions(CurrentOptions);
}

void MainWindow::StandardOptionsCommand() {
    CurrentOptions = StandardOptions();
    if (DocumentWindow* child = ActiveDocument()) child->Doc().SetOptions(CurrentOptions);
}

}  // namespace plotwise
