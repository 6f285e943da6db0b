// The Options menu's dialogs: Plot, Axis and Background Options edit the active
// document's options through CurrentOptions; Common Options edits program settings.
#include <QPointer>

#include "app/current_options.h"
#include "app/document_window.h"
#include "app/main_window.h"
#include "option_dialogs/axis_options_dialog.h"
#include "option_dialogs/background_options_dialog.h"
#include "option_dialogs/common_options_dialog.h"
#include "option_dialogs/plot_options_dialog.h"
#include "services/messages.h"
#include "services/program_settings.h"

namespace plotwise {
namespace {

// Fills the form from options and, on OK, stores it back; true on OK.
template <typename Form>
bool EditOptions(Form& form, Messages& messages, OptionsRecord& options) {
    form.ShowError = [&messages](const QString& text) { messages.Error(text); };
    form.SetOptions(options);
    if (form.exec() != QDialog::Accepted) return false;
    form.StoreOptions(options);
    return true;
}

}  // namespace

void MainWindow::OptionsDialogCommand(Command command) {
    if (command == Command::CommonOptions) {
        CommonOptionsDialog form(this);
        form.SetSettings(GlobalSettings.Common);
        if (form.exec() == QDialog::Accepted) form.StoreSettings(GlobalSettings.Common);
        return;
    }
    const QPointer<DocumentWindow> child(ActiveDocument());
    if (child == nullptr) return;
    const OptionsRecord old = child->Doc().Options;
    // Edited in a copy: while the dialog is up another document may become active, and
    // CurrentOptions then holds that one's options.
    OptionsRecord edited = CurrentOptions;
    bool accepted = false;
    if (command == Command::PlotOptions) {
        PlotOptionsDialog form(this);
        accepted = EditOptions(form, *messages_, edited);
        if (accepted && GlobalSettings.Common.ChangeSteps) RescaleStepsToIntervals(edited, old);
    } else if (command == Command::AxisOptions) {
        AxisOptionsDialog form(this);
        accepted = EditOptions(form, *messages_, edited);
    } else if (command == Command::BackgroundOptions) {
        BackgroundOptionsDialog form(this);
        accepted = EditOptions(form, *messages_, edited);
    }
    if (child == nullptr || ActiveDocument() != child) return;
    if (accepted) CurrentOptions = edited;
    child->Doc().SetOptions(CurrentOptions);
}

}  // namespace plotwise
