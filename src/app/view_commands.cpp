// The Standard toolbar's increase, reduce and move buttons and "Standard Intervals": the
// view interval of the active document changed without a dialog.
#include "app/current_options.h"
#include "app/document_window.h"
#include "app/main_window.h"
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

}  // namespace

void MainWindow::ViewIntervalCommand(Command command) {
    DocumentWindow* child = ActiveDocument();
    if (child == nullptr) return;
    OptionsRecord options = CurrentOptions;
    const ViewChanges changes = ChangesOf(command, options);
    const std::string failure = ChangeViewInterval(options, changes.x, changes.y);
    if (!failure.empty()) {
        messages_->Error(QString::fromStdString(failure));
        return;
    }
    CurrentOptions = options;
    child->Doc().SetOptions(CurrentOptions);
}

void MainWindow::StandardIntervalsCommand() {
    DocumentWindow* child = ActiveDocument();
    if (child == nullptr) return;
    OptionsRecord options = CurrentOptions;
    const std::string failure = StandardIntervals(options);
    if (!failure.empty()) {
        messages_->Error(QString::fromStdString(failure));
        return;
    }
    CurrentOptions = options;
    child->Doc().SetOptions(CurrentOptions);
}

}  // namespace plotwise
