// The Options menu's dialogs: Plot, Axis and Background Options edit the active
// document's options through CurrentOptions; Common Options edits program settings.
#include <QPointer>

#include "axles_form.h"
#include "background_form.h"
#include "build_form.h"
#include "common_options_form.h"
#include "current_options.h"
#include "document_window.h"
#include "main_form.h"
#include "messages.h"
#include "program_settings.h"

namespace plotwise {
namespace {

// Fills the form from CurrentOptions and, on OK, stores it back; true on OK.
template <typename Form>
bool EditCurrentOptions(Form& form, TMessages& messages) {
    form.ShowError = [&messages](const QString& text) { messages.Error(text); };
    form.SetOptions(CurrentOptions);
    if (form.exec() != QDialog::Accepted) return false;
    form.StoreOptions(CurrentOptions);
    return true;
}

}  // namespace

void TMainForm::OptionsDialogCommand(TCommand command) {
    if (command == TCommand::CommonOptions) {
        TCommonOptionsForm form(this);
        form.SetSettings(ProgramSettings.Common);
        if (form.exec() == QDialog::Accepted) form.StoreSettings(ProgramSettings.Common);
        return;
    }
    const QPointer<TMDIChild> child(ActiveDocument());
    if (child == nullptr) return;
    const TOptionsRecord old = child->Document().Options;
    if (command == TCommand::PlotOptions) {
        TBuildForm form(this);
        if (EditCurrentOptions(form, *messages_) && ProgramSettings.Common.ChangeSteps)
            RescaleStepsToIntervals(CurrentOptions, old);
    } else if (command == TCommand::AxisOptions) {
        TAxlesForm form(this);
        EditCurrentOptions(form, *messages_);
    } else if (command == TCommand::BackgroundOptions) {
        TBackGroundForm form(this);
        EditCurrentOptions(form, *messages_);
    }
    // The dialog's event loop may have let the document go, or another become active.
    if (child == nullptr || ActiveDocument() != child) return;
    child->Document().SetOptions(CurrentOptions);
}

}  // namespace plotwise
