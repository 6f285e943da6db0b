// Every command of the main window with its menu caption, toolbar hint, status text,
// shortcut, help topic and when it is enabled. Menus and toolbars are built from this one
// table.
#pragma once

#include <cstdint>
#include <optional>

#include "app/toolbar_icons.h"

namespace plotwise {

enum class Command {
    New,
    Open,
    Save,
    SaveAs,
    SaveAsBitmap,
    PageSetup,
    Print,
    Exit,
    Undo,
    Redo,
    CopyAsBitmap,
    FullScreen,
    SmoothLines,
    EqualScales,
    StandardToolbar,
    GraphToolbar,
    CalculusToolbar,
    AddGraph,
    FinishCounting,
    Calculator,
    AnalyseFunction,
    Derivative,
    TangentNormal,
    Integration,
    Regression,
    GraphProperties,
    PlotOptions,
    AxisOptions,
    BackgroundOptions,
    CommonOptions,
    StandardOptions,
    StandardIntervals,
    SaveOptions,
    Cascade,
    Tile,
    ArrangeIcons,
    MinimizeAll,
    HelpContents,
    VisitHomePage,
    About,
    IncreaseXY,
    IncreaseY,
    IncreaseX,
    ReduceXY,
    ReduceY,
    ReduceX,
    MoveLeft,
    MoveRight,
    MoveUp,
    MoveDown,
    DrawGraphic,
    DrawLines,
    DrawPoints,
    GraphProps,
    OtherProps,
    DeleteGraph,
    DoubleGraph,
    Trace,
    Export,
    Intersections,
};

inline constexpr int kCommandCount = static_cast<int>(Command::Intersections) + 1;

// When a command can be chosen.
enum class Enabling : std::uint8_t {
    Always,
    WithDocument,  // while at least one document is open
    WithGraph,     // while the active document has graphs (the selected graph's commands)
    ByHistory,     // while the active document's history has a step to take (Undo, Redo)
};

struct CommandInfo {
    Command id;
    const char* caption;    // menu caption ("&" marks the mnemonic), or null: a button only
    const char* shortHint;  // the toolbar button's tooltip, or null: on no toolbar
    const char* hint;       // the status bar text
    const char* shortcut;   // or null
    int helpContext;        // 0: no topic
    std::optional<Icon> icon;
    bool checkable;
    Enabling enabling;
};

const CommandInfo& InfoOf(Command command);

}  // namespace plotwise
