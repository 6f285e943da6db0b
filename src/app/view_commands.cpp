// The Standard toolbar's increase, reduce and move buttons and "Standard Intervals": the
// view interval of the active document changed without a dialog.
#include "current_options.h"
#include "document_window.h"
#include "main_form.h"
#include "messages.h"
#include "view_interval.h"

namespace plotwise {
namespace {

using C = TCommand;
using TChange = TIntervalChange;

struct TViewChanges {
    TChange x;
    TChange y;
};

// A move button moves the picture the way it points, whichever way the axis runs.
TViewChanges ChangesOf(C command, const TOptionsRecord& o) {
    switch (command) {
        case C::IncreaseXY:
            return {TChange::Increase, TChange::Increase};
        case C::IncreaseY:
            return {TChange::None, TChange::Increase};
        case C::IncreaseX:
            return {TChange::Increase, TChange::None};
        case C::ReduceXY:
            return {TChange::Reduce, TChange::Reduce};
        case C::ReduceY:
            return {TChange::None, TChange::Reduce};
        case C::ReduceX:
            return {TChange::Reduce, TChange::None};
        case C::MoveLeft:
            return {MoveChange(o.AxleX.Forward, false), TChange::None};
        case C::MoveRight:
            return {MoveChange(o.AxleX.Forward, true), TChange::None};
        case C::MoveUp:
            return {TChange::None, MoveChange(o.AxleY.Forward, true)};
        case C::MoveDown:
            return {TChange::None, MoveChange(o.AxleY.Forward, false)};
        default:
            return {TChange::None, TChange::None};
    }
}

}  // namespace

void TMainForm::ViewIntervalCommand(TCommand command) {
    TMDIChild* child = ActiveDocument();
    if (child == nullptr) return;
    TOptionsRecord options = CurrentOptions;
    const TViewChanges changes = ChangesOf(command, options);
    const std::string failure = ChangeViewInterval(options, changes.x, changes.y);
    if (!failure.empty()) {
        messages_->Error(QString::fromStdString(failure));
        return;
    }
    CurrentOptions = options;
    child->Document().SetOptions(CurrentOptions);
}

void TMainForm::StandardIntervalsCommand() {
    TMDIChild* child = ActiveDocument();
    if (child == nullptr) return;
    TOptionsRecord options = CurrentOptions;
    const std::string failure = StandardIntervals(options);
    if (!failure.empty()) {
        messages_->Error(QString::fromStdString(failure));
        return;
    }
    CurrentOptions = options;
    child->Document().SetOptions(CurrentOptions);
}

}  // namespace plotwise
