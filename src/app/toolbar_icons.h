// The 16 x 16 pictures of the toolbar buttons, drawn for this program.
#pragma once

#include <QIcon>

class QPalette;

namespace plotwise {

enum class Icon {
    // Standard toolbar
    New,
    Open,
    Save,
    Print,
    Undo,
    Redo,
    PlotOptions,
    AxisOptions,
    BackgroundOptions,
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
    FullScreen,
    // Graph toolbar
    DrawGraph,
    DrawLines,
    DrawPoints,
    Properties,
    AddProperties,
    AddGraph,
    DeleteGraph,
    DoubleGraph,
    Trace,
    // Calculus toolbar
    Calculator,
    AnalyseFunction,
    Derivative,
    TangentNormal,
    Integration,
    Regression,
    Intersections,
};

inline constexpr int kIconCount = static_cast<int>(Icon::Intersections) + 1;

// Made for the application's palette (a QGuiApplication must exist): on a dark desktop the
// black outlines are drawn in the palette's text colour.
QIcon IconOf(Icon icon);
QIcon IconOf(Icon icon, const QPalette& palette);

}  // namespace plotwise
