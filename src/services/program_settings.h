// ProgramSettings: the tool parameters and switches that outlive a document, and their
// ini file Plotwise.ini. The main window owns them: read once at start-up, written once
// when the program ends.
#pragma once

#include <QString>

#include "formula/everyday_reader.h"
#include "services/recent_files.h"

class QSettings;

namespace plotwise {

struct AnalysisSettings {
    long double MinX = -10;
    long double MaxX = 10;
    bool FindZeroes = true;
    bool FindExtremums = true;
    int DigitsNum = 2;
    int StepsNum = 200;
    bool UseDerivative = false;
};

struct ValueTableSettings {
    long double Min = -10;
    long double Max = 10;
    long double Step = 1;
};

struct IntegralSettings {
    long double MinX = -10;
    long double MaxX = 10;
    int StepsNum = 200;
    bool AbsIntegrate = false;
};

struct CommonSettings {
    bool ConfirmDelete = true;
    bool FunctionNewColor = true;
    bool ChangeSteps = false;
    bool AutoMaximize = false;
    bool EverydayNotation = true;  // "Accept everyday notation"
    bool BreakLines = true;        // curves leave a gap at poles and jumps

    // How the formula and number fields read what the user types.
    Notation FieldNotation() const {
        return EverydayNotation ? Notation::Everyday : Notation::Strict;
    }
};

struct PanelSettings {
    bool StandardPanel = true;
    bool GraphsPanel = true;
    bool CalculusPanel = true;
    bool GraphList = true;  // the dockable list of graphs
};

// How the picture is shown, from the View menu.
struct ViewSettings {
    bool SmoothLines = true;  // curves, polar grid and region edges anti-aliased
};

struct RegressionSettings {
    int RegressionType = 1;
    int PolynomPower = 2;
};

struct PrintSettings {
    bool BlackAndWhite = false;
};

struct ProgramSettings {
    AnalysisSettings Analysis;
    ValueTableSettings ValueTable;
    IntegralSettings Integrate;
    CommonSettings Common;
    PanelSettings Panels;
    ViewSettings View;
    RegressionSettings Regression;
    PrintSettings Print;
    RecentFiles Recent;
};

// Fills settings from an ini store; every missing, unreadable or out-of-range value
// gives its default.
void ReadProgramSettings(QSettings& ini, ProgramSettings& settings);
// Writes every key; keys of the store that are not the program's stay as they are.
void WriteProgramSettings(QSettings& ini, const ProgramSettings& settings);

// Plotwise.ini in the platform's configuration folder.
QString SettingsFilePath();
// False for what must be neither read nor overwritten: a special file (FIFO, device,
// folder) or one far larger than any settings file. A missing file is usable.
bool SettingsFileUsable(const QString& path);

}  // namespace plotwise
