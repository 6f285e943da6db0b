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

// Fills the form from options and, on OK, stores it back; true on OK.
template <typename Form>
bool EditOptions(Form& form, TMessages& messages, TOptionsRecord& options) {
    form.ShowError = [&messages](const QString& text) { messages.Error(text); };
    form.SetOptions(options);
    if (form.exec() != QDialog::Accepted) return false;
    form.StoreOptions(options);
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
    // Edited in a copy: while the dialog is up another document may become active, and
    // CurrentOptions then holds that one's options.
    TOptionsRecord edited = CurrentOptions;
    bool accepted = false;
    if (command == TCommand::PlotOptions) {
        TBuildForm form(this);
        accepted = EditOptions(form, *messages_, edited);
        if (accepted && ProgramSettings.Common.ChangeSteps) RescaleStepsToIntervals(edited, old);
    } else if (command == TCommand::AxisOptions) {
        TAxlesForm form(this);
        accepted = EditOptions(form, *messages_, edited);
    } else if (command == TCommand::BackgroundOptions) {
        TBackGroundForm form(this);
        accepted = EditOptions(form, *messages_, edited);
    }
    if (child == nullptr || ActiveDocument() != child) return;
    if (accepted) CurrentOptions = edited;
    child->Document().SetOptions(CurrentOptions);
}

}  // namespace plotwise
