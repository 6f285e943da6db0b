// The Options menu's "Graph Properties..." and "Standard Options": the settings new graphs
// start with, and the built-in options, applied to the active document.
#include <QPointer>

#include "current_options.h"
#include "document_window.h"
#include "main_form.h"
#include "messages.h"
#include "standart_props_form.h"

namespace plotwise {

void TMainForm::DefaultGraphPropsCommand() {
    TMDIChild* child = ActiveDocument();
    if (child == nullptr) return;
    const QPointer<TMDIChild> guard(child);
    TStandartPropsForm dialog(this);
    dialog.ShowError = [this](const QString& text) { messages_->Error(text); };
    dialog.SetOptions(CurrentOptions);
    const bool accepted = dialog.exec() == QDialog::Accepted;
    // The dialog's event loop may have let the document go (a session ending); another
    // document's options must not receive this one's copy.
    if (guard == nullptr || ActiveDocument() != child) return;
    if (accepted) CurrentOptions = dialog.Options;
    child->Document().SetOptions(CurrentOptions);
}

void TMainForm::StandardOptionsCommand() {
    CurrentOptions = StandardOptions();
    if (TMDIChild* child = ActiveDocument()) child->Document().SetOptions(CurrentOptions);
}

}  // namespace plotwise
