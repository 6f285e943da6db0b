#include "app/command_table.h"

#include <array>

namespace plotwise {

namespace {

using C = Command;
using I = Icon;

constexpr std::array<CommandInfo, kCommandCount> kCommands{{
    {C::New, "&New", "New", "Create a new document", "Ctrl+N", 1, I::New, false},
    {C::Open, "&Open...", "Open", "Open an existing document", "Ctrl+O", 2, I::Open, false},
    {C::Save, "&Save", "Save", "Save the active document", "Ctrl+S", 3, I::Save, false},
    {C::SaveAs,
     "Save &As...",
     nullptr,
     "Save the active document with a new name",
     nullptr,
     4,
     {},
     false},
    {C::SaveAsBitmap,
     "Save As &Bitmap...",
     nullptr,
     "Save the active document as a bitmap",
     nullptr,
     5,
     {},
     false},
    {C::PageSetup,
     "Pa&ge Setup...",
     nullptr,
     "Set page and printer properties",
     nullptr,
     6,
     {},
     false},
    {C::Print, "&Print...", "Print", "Print the active document", "Ctrl+P", 7, I::Print, false},
    {C::Exit, "&Exit", nullptr, "Exit the program", nullptr, 8, {}, false},
    {C::Undo, "&Undo", "Undo", "Undo the last action", "Ctrl+Z", 45, I::Undo, false},
    {C::Redo, "&Redo", "Redo", "Redo the last action that was undone", "Ctrl+Y", 46, I::Redo,
     false},
    {C::CopyAsBitmap,
     "&Copy As Bitmap...",
     nullptr,
     "Copy the active document as bitmap to the clipboard",
     nullptr,
     47,
     {},
     false},
    {C::FullScreen, "&Full Screen", "Full screen",
     "Maximize the window of the active document on the full screen", "F5", 11, I::FullScreen,
     false},
    {C::StandardToolbar,
     "&Standard Toolbar",
     nullptr,
     "Hide/Show the Standard toolbar",
     nullptr,
     12,
     {},
     true},
    {C::GraphToolbar,
     "&Graph Toolbar",
     nullptr,
     "Hide/Show the Graph toolbar",
     nullptr,
     13,
     {},
     true},
    {C::CalculusToolbar,
     "&Calculus Toolbar",
     nullptr,
     "Hide/Show the Calculus toolbar",
     nullptr,
     14,
     {},
     true},
    {C::AddGraph, "&Add Graph...", "Add graph", "Add new graph", nullptr, 28, I::AddGraph, false},
    {C::FinishCounting,
     "&Finish Counting",
     nullptr,
     "Finish counting of the graphs data",
     nullptr,
     22,
     {},
     false},
    {C::Calculator, "Calc&ulator...", "Calculator", "Open the Calculator window", nullptr, 25,
     I::Calculator, false},
    {C::AnalyseFunction, "&Analyse Function...", "Analyse function",
     "Open the Analyse Function window", nullptr, 23, I::AnalyseFunction, false},
    {C::Derivative, "&Derivative...", "Derivative", "Open the Derivative window", nullptr, 26,
     I::Derivative, false},
    {C::TangentNormal, "&Tangent or Normal...", "Tangent or normal",
     "Open the Tangent or Normal window", nullptr, 27, I::TangentNormal, false},
    {C::Integration, "&Integration...", "Integration", "Open the Definite Integral window", nullptr,
     29, I::Integration, false},
    {C::Regression, "&Regression...", "Regression", "Open the Regression window", nullptr, 24,
     I::Regression, false},
    {C::GraphProperties,
     "&Graph Properties...",
     nullptr,
     "Change the default graph properties",
     nullptr,
     31,
     {},
     false},
    {C::PlotOptions, "&Plot...", "Plot options", "Open the Plot Options window", nullptr, 32,
     I::PlotOptions, false},
    {C::AxisOptions, "&Axes...", "Axis options", "Open the Axis Options window", nullptr, 33,
     I::AxisOptions, false},
    {C::BackgroundOptions, "&Background...", "Background options",
     "Open the Background Options window", nullptr, 34, I::BackgroundOptions, false},
    {C::CommonOptions,
     "&Common...",
     nullptr,
     "Open the Common Options window",
     nullptr,
     35,
     {},
     false},
    {C::StandardOptions,
     "Standard &Options",
     nullptr,
     "Set program options to the standard ones",
     nullptr,
     38,
     {},
     false},
    {C::StandardIntervals,
     "&Standard Intervals",
     nullptr,
     "Set the intervals to the standard ones",
     nullptr,
     37,
     {},
     false},
    {C::SaveOptions, "Sa&ve Options", nullptr, "Save options", nullptr, 36, {}, false},
    {C::Cascade, "&Cascade", nullptr, "Arrange windows so they overlap", nullptr, 41, {}, false},
    {C::Tile,
     "&Tile",
     nullptr,
     "Arrange document windows as non-overlapping tiles",
     nullptr,
     42,
     {},
     false},
    {C::ArrangeIcons,
     "&Arrange Icons",
     nullptr,
     "Arrange icons of minimized windows",
     nullptr,
     43,
     {},
     false},
    {C::MinimizeAll,
     "&Minimize All",
     nullptr,
     "Minimize all the open document windows",
     nullptr,
     44,
     {},
     false},
    {C::HelpContents, "Contents", nullptr, "", nullptr, 0, {}, false},
    {C::VisitHomePage, "Visit Home Page", nullptr, "", nullptr, 0, {}, false},
    {C::About,
     "&About...",
     nullptr,
     "Open the window with some information about the program and its author",
     nullptr,
     52,
     {},
     false},
    {C::IncreaseXY, nullptr, "Increase the intervals on X and on Y",
     "Increase the intervals, steps of grid, labels and ticks on x and y-axes", nullptr, 0,
     I::IncreaseXY, false},
    {C::IncreaseY, nullptr, "Increase the interval on Y",
     "Increase the interval, steps of grid, labels and ticks on y-axis", nullptr, 0, I::IncreaseY,
     false},
    {C::IncreaseX, nullptr, "Increase the interval on X",
     "Increase the interval, steps of grid, labels and ticks on x-axis", nullptr, 0, I::IncreaseX,
     false},
    {C::ReduceXY, nullptr, "Reduce the intervals on X and on Y",
     "Reduce the intervals, steps of grid, labels and ticks on x and y-axes", nullptr, 0,
     I::ReduceXY, false},
    {C::ReduceY, nullptr, "Reduce the interval on Y",
     "Reduce the interval, steps of grid, labels and ticks on y-axis", nullptr, 0, I::ReduceY,
     false},
    {C::ReduceX, nullptr, "Reduce the interval on X",
     "Reduce the interval, steps of grid, labels and ticks on x-axis", nullptr, 0, I::ReduceX,
     false},
    {C::MoveLeft, nullptr, "Move the view interval to the left",
     "Move the view interval on x-axis to the left", nullptr, 0, I::MoveLeft, false},
    {C::MoveRight, nullptr, "Move the view interval to the right",
     "Move the view interval on x-axis to the right", nullptr, 0, I::MoveRight, false},
    {C::MoveUp, nullptr, "Move the view interval upwards",
     "Move the view interval on y-axis upwards", nullptr, 0, I::MoveUp, false},
    {C::MoveDown, nullptr, "Move the view interval downwards",
     "Move the view interval on y-axis downwards", nullptr, 0, I::MoveDown, false},
    {C::DrawGraphic, nullptr, "Draw graph", "Set on/off plotting of the selected graph", nullptr, 0,
     I::DrawGraph, true},
    {C::DrawLines, nullptr, "Draw with lines",
     "Set on/off plotting of the selected graph with lines", nullptr, 0, I::DrawLines, true},
    {C::DrawPoints, nullptr, "Draw with points",
     "Set on/off plotting of the selected graph with points", nullptr, 0, I::DrawPoints, true},
    {C::GraphProps, nullptr, "Properties",
     "Open the Graph Properties window for the selected graph", nullptr, 0, I::Properties, false},
    {C::OtherProps, nullptr, "Add. properties",
     "Open the Graph Properties window for the selected graph", nullptr, 0, I::AddProperties,
     false},
    {C::DeleteGraph, nullptr, "Delete graph", "Remove the selected graph", nullptr, 0,
     I::DeleteGraph, false},
    {C::DoubleGraph, nullptr, "Double graph", "Double the selected graph", nullptr, 0,
     I::DoubleGraph, false},
    {C::Trace, nullptr, "Trace", "Open the Trace window to trace the selected graph", nullptr, 0,
     I::Trace, false},
}};

constexpr bool TableInOrder() {
    for (int i = 0; i < kCommandCount; ++i)
        if (static_cast<int>(kCommands[i].id) != i) return false;
    return true;
}
static_assert(TableInOrder(), "one row per command, in the order of TCommand");

}  // namespace

const CommandInfo& InfoOf(Command command) {
    return kCommands[static_cast<int>(command)];
}

bool CommandAvailable(Command command) {
    switch (command) {
        case C::New:
        case C::Open:
        case C::Save:
        case C::SaveAs:
        case C::Exit:
        case C::FullScreen:
        case C::StandardToolbar:
        case C::GraphToolbar:
        case C::CalculusToolbar:
        case C::SaveOptions:
        case C::Cascade:
        case C::Tile:
        case C::ArrangeIcons:
        case C::MinimizeAll:
        case C::HelpContents:
        case C::VisitHomePage:
        case C::About:
        case C::AddGraph:
        case C::FinishCounting:
        case C::DrawGraphic:
        case C::DrawLines:
        case C::DrawPoints:
        case C::GraphProps:
        case C::OtherProps:
        case C::DeleteGraph:
        case C::DoubleGraph:
        case C::Trace:
        case C::Calculator:
        case C::AnalyseFunction:
        case C::Integration:
        case C::Derivative:
        case C::TangentNormal:
        case C::Regression:
        case C::IncreaseXY:
        case C::IncreaseY:
        case C::IncreaseX:
        case C::ReduceXY:
        case C::ReduceY:
        case C::ReduceX:
        case C::MoveLeft:
        case C::MoveRight:
        case C::MoveUp:
        case C::MoveDown:
        case C::StandardIntervals:
        case C::PlotOptions:
        case C::AxisOptions:
        case C::BackgroundOptions:
        case C::CommonOptions:
        case C::Print:
        case C::PageSetup:
        case C::SaveAsBitmap:
        case C::CopyAsBitmap:
        case C::GraphProperties:
        case C::StandardOptions:
            return true;
        default:
            return false;
    }
}

bool NeedsDocument(Command command) {
    switch (command) {
        case C::Save:
        case C::SaveAs:
        case C::SaveAsBitmap:
        case C::PlotOptions:
        case C::AxisOptions:
        case C::BackgroundOptions:
        case C::AddGraph:
        case C::IncreaseXY:
        case C::IncreaseY:
        case C::IncreaseX:
        case C::ReduceXY:
        case C::ReduceY:
        case C::ReduceX:
        case C::MoveLeft:
        case C::MoveRight:
        case C::MoveUp:
        case C::MoveDown:
        case C::FullScreen:
        case C::Cascade:
        case C::Tile:
        case C::ArrangeIcons:
        case C::MinimizeAll:
        case C::FinishCounting:
        case C::GraphProperties:
        case C::SaveOptions:
        case C::CopyAsBitmap:
        case C::StandardIntervals:
            return true;
        default:
            return false;
    }
}

bool GraphBound(Command command) {
    switch (command) {
        case C::DrawGraphic:
        case C::DrawLines:
        case C::DrawPoints:
        case C::GraphProps:
        case C::OtherProps:
        case C::DeleteGraph:
        case C::DoubleGraph:
        case C::Trace:
        case C::Derivative:
        case C::TangentNormal:
        case C::Regression:
            return true;
        default:
            return false;
    }
}

}  // namespace plotwise
