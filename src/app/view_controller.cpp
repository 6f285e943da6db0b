#include "app/view_controller.h"

#include <QPointer>

#include "app/document_window.h"
#include "app/main_window.h"
#include "graph_dialog/default_graph_dialog.h"
#include "option_dialogs/axis_options_dialog.h"
#include "option_dialogs/background_options_dialog.h"
#include "option_dialogs/common_options_dialog.h"
#include "option_dialogs/plot_options_dialog.h"
#include "plot/document_file.h"
#include "plot/view_interval.h"
#include "services/messages.h"

namespace plotwise {
namespace {

using C = Command;
using Change = IntervalChange;

struct ViewChanges {
    Change x;
    Change y;
};

// A move button moves the picture the way it points, whichever way the axis runs.
ViewChanges ChangesOf(C command, const OptionsRecord& o) {
    switch (command) {
        case C::IncreaseXY:
            return {Change::Increase, Change::Increase};
        case C::IncreaseY:
            return {Change::None, Change::Increase};
        case C::IncreaseX:
            return {Change::Increase, Change::None};
        case C::ReduceXY:
            return {Change::Reduce, Change::Reduce};
        case C::ReduceY:
            return {Change::None, Change::Reduce};
        case C::ReduceX:
            return {Change::Reduce, Change::None};
        case C::MoveLeft:
            return {MoveChange(o.AxisX.Forward, false), Change::None};
        case C::MoveRight:
            return {MoveChange(o.AxisX.Forward, true), Change::None};
        case C::MoveUp:
            return {Change::None, MoveChange(o.AxisY.Forward, true)};
        case C::MoveDown:
            return {Change::None, MoveChange(o.AxisY.Forward, false)};
        default:
            return {Change::None, Change::None};
    }
}

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

ViewController::ViewController(MainWindow& window, Messages& messages)
    : window_(window), messages_(messages) {}

void ViewController::SmoothLines() {
    bool& smooth = window_.Settings().View.SmoothLines;
    smooth = !smooth;
    window_.Action(Command::SmoothLines)->setChecked(smooth);
    for (DocumentWindow* child : window_.Documents()) {
        child->Doc().SmoothLines = smooth;
        child->RedrawPicture();
    }
}

void ViewController::EqualScales() {
    DocumentWindow* child = window_.ActiveDocument();
    if (child == nullptr) return;
    Document& document = child->Doc();
    document.SetEqualScales(!document.EqualScales());
    window_.Action(Command::EqualScales)->setChecked(document.EqualScales());
}

void ViewController::ChangeView(Command command) {
    DocumentWindow* child = window_.ActiveDocument();
    if (child == nullptr) return;
    OptionsRecord options = window_.CurrentOptions();
    if (child->Doc().EqualScales()) {
        // The change starts from the view as shown, and stores it widened.
        const OptionsRecord shown = child->Doc().Shown();
        options.MinX = shown.MinX;
        options.MaxX = shown.MaxX;
        options.MinY = shown.MinY;
        options.MaxY = shown.MaxY;
    }
    const ViewChanges changes = ChangesOf(command, options);
    const std::string failure = ChangeViewInterval(options, changes.x, changes.y);
    if (!failure.empty()) {
        messages_.Error(QString::fromStdString(failure));
        return;
    }
    window_.CurrentOptions() = options;
    child->Doc().SetOptions(options);
}

void ViewController::StandardIntervals() {
    DocumentWindow* child = window_.ActiveDocument();
    if (child == nullptr) return;
    OptionsRecord options = window_.CurrentOptions();
    const std::string failure = plotwise::StandardIntervals(options);
    if (!failure.empty()) {
        messages_.Error(QString::fromStdString(failure));
        return;
    }
    window_.CurrentOptions() = options;
    child->Doc().SetOptions(options);
}

void ViewController::OptionsDialog(Command command) {
    ProgramSettings& settings = window_.Settings();
    if (command == Command::CommonOptions) {
        CommonOptionsDialog form(&window_);
        form.SetSettings(settings.Common);
        if (form.exec() != QDialog::Accepted) return;
        form.StoreSettings(settings.Common);
        for (DocumentWindow* child : window_.Documents())
            child->Doc().SetBreakAtJumps(settings.Common.BreakLines);
        return;
    }
    const QPointer<DocumentWindow> child(window_.ActiveDocument());
    if (child == nullptr) return;
    const OptionsRecord old = child->Doc().Options;
    // Edited in a copy: while the dialog is up another document may become active, and the
    // current options are then that one's.
    OptionsRecord edited = window_.CurrentOptions();
    bool accepted = false;
    if (command == Command::PlotOptions) {
        PlotOptionsDialog form(&window_);
        form.FieldNotation = settings.Common.FieldNotation();
        accepted = EditOptions(form, messages_, edited);
        if (accepted && settings.Common.ChangeSteps) RescaleStepsToIntervals(edited, old);
    } else if (command == Command::AxisOptions) {
        AxisOptionsDialog form(&window_);
        form.FieldNotation = settings.Common.FieldNotation();
        accepted = EditOptions(form, messages_, edited);
    } else if (command == Command::BackgroundOptions) {
        BackgroundOptionsDialog form(&window_);
        form.FieldNotation = settings.Common.FieldNotation();
        accepted = EditOptions(form, messages_, edited);
    }
    if (child == nullptr || window_.ActiveDocument() != child) return;
    if (accepted) window_.CurrentOptions() = edited;
    child->Doc().SetOptions(window_.CurrentOptions());
}

void ViewController::DefaultGraphProperties() {
    DocumentWindow* child = window_.ActiveDocument();
    if (child == nullptr) return;
    const QPointer<DocumentWindow> guard(child);
    DefaultGraphDialog dialog(&window_);
    dialog.ShowError = [this](const QString& text) { messages_.Error(text); };
    dialog.FieldNotation = window_.Settings().Common.FieldNotation();
    dialog.SetOptions(window_.CurrentOptions());
    const bool accepted = dialog.exec() == QDialog::Accepted;
    // The dialog's event loop may have let the document go (a session ending); another
    // document's options must not receive this one's copy.
    if (guard == nullptr || window_.ActiveDocument() != child) return;
    if (accepted) window_.CurrentOptions() = dialog.Options;
    child->Doc().SetOptions(window_.CurrentOptions());
}

void ViewController::StandardOptions() {
    window_.CurrentOptions() = plotwise::StandardOptions();
    if (DocumentWindow* child = window_.ActiveDocument())
        child->Doc().SetOptions(window_.CurrentOptions());
}

void ViewController::SaveOptions() {
    if (!SaveOptionsFile(window_.CurrentOptions(), window_.OptionsFilePath().toStdString()))
        messages_.Error(kFileWriteError);
}

}  // namespace plotwise
