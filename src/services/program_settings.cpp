#include "services/program_settings.h"

#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <QVariant>
#include <cmath>
#include <cstdlib>
#include <optional>
#include <string>

#include "formula/number_input.h"
#include "formula/number_text.h"

namespace plotwise {

namespace {

constexpr long double kMaxMagnitude = 1e100L;
// A settings file is a few hundred bytes; anything this large is not ours.
constexpr qint64 kMaxFileSize = 1024 * 1024;

// The value as text; nothing when the store holds anything else (an unquoted comma makes a
// list, "@Variant(...)" and the like other types), which counts as unreadable.
std::optional<QString> ReadText(const QSettings& ini, const QString& key) {
    const QVariant value = ini.value(key);
    if (value.typeId() != QMetaType::QString) return std::nullopt;
    return value.toString();
}

int ReadInt(const QSettings& ini, const QString& key, int fallback) {
    const std::optional<QString> text = ReadText(ini, key);
    if (!text) return fallback;
    bool ok = false;
    const int value = text->toInt(&ok);
    return ok ? value : fallback;
}

bool ReadBool(const QSettings& ini, const QString& key, bool fallback) {
    return ReadInt(ini, key, fallback ? 1 : 0) != 0;
}

// Read the way a number field reads its text, so a hand-edited file accepts what the
// dialogs accept.
long double ReadReal(const QSettings& ini, const QString& key, long double fallback) {
    const std::optional<QString> text = ReadText(ini, key);
    if (!text) return fallback;
    const std::string str = text->toStdString();
    long double value = 0;
    if (CheckNumStr(str, value) != 0) return fallback;
    value = StrToNumRounded(str);
    return std::fabs(value) <= kMaxMagnitude ? value : fallback;
}

int InRangeOr(int value, int low, int high, int fallback) {
    return value >= low && value <= high ? value : fallback;
}

void WriteReal(QSettings& ini, const QString& key, long double value) {
    ini.setValue(key, QString::fromStdString(NumToStr(value)));
}

// Written as text: QSettings caches what it was given for the rest of the run, and the
// reader accepts text only.
void WriteInt(QSettings& ini, const QString& key, int value) {
    ini.setValue(key, QString::number(value));
}

void WriteBool(QSettings& ini, const QString& key, bool value) {
    WriteInt(ini, key, value ? 1 : 0);
}

}  // namespace

void ReadProgramSettings(QSettings& ini, ProgramSettings& settings) {
    const ProgramSettings d;

    AnalysisSettings& r = settings.Analysis;
    r.MinX = ReadReal(ini, "Research/MinX", d.Analysis.MinX);
    r.MaxX = ReadReal(ini, "Research/MaxX", d.Analysis.MaxX);
    if (r.MaxX <= r.MinX) {
        r.MinX = d.Analysis.MinX;
        r.MaxX = d.Analysis.MaxX;
    }
    r.FindZeroes = ReadBool(ini, "Research/FindZeroes", d.Analysis.FindZeroes);
    r.FindExtremums = ReadBool(ini, "Research/FindExtremums", d.Analysis.FindExtremums);
    // Widened first: the absolute value of the smallest int does not fit an int.
    const long long digits = std::llabs(
        static_cast<long long>(ReadInt(ini, "Research/DigitsNum", d.Analysis.DigitsNum)));
    r.DigitsNum = digits <= 5 ? static_cast<int>(digits) : d.Analysis.DigitsNum;
    r.StepsNum = InRangeOr(ReadInt(ini, "Research/StepsNum", d.Analysis.StepsNum), 100, 20000,
                           d.Analysis.StepsNum);
    r.UseDerivative = ReadBool(ini, "Research/UseDerivative", d.Analysis.UseDerivative);

    ValueTableSettings& v = settings.ValueTable;
    v.Min = ReadReal(ini, "ValueTable/Min", d.ValueTable.Min);
    v.Max = ReadReal(ini, "ValueTable/Max", d.ValueTable.Max);
    v.Step = ReadReal(ini, "ValueTable/Step", d.ValueTable.Step);
    if (v.Step <= 0) v.Step = d.ValueTable.Step;

    IntegralSettings& i = settings.Integrate;
    i.MinX = ReadReal(ini, "Integrate/MinX", d.Integrate.MinX);
    i.MaxX = ReadReal(ini, "Integrate/MaxX", d.Integrate.MaxX);
    i.StepsNum = ReadInt(ini, "Integrate/StepsNum", d.Integrate.StepsNum);
    i.AbsIntegrate = ReadBool(ini, "Integrate/AbsIntegrate", d.Integrate.AbsIntegrate);

    CommonSettings& c = settings.Common;
    c.ConfirmDelete = ReadBool(ini, "Common/FuncPanelDelConfirmation", d.Common.ConfirmDelete);
    c.FunctionNewColor = ReadBool(ini, "Common/FunctionNewColor", d.Common.FunctionNewColor);
    c.ChangeSteps = ReadBool(ini, "Common/ChangeSteps", d.Common.ChangeSteps);
    c.AutoMaximize = ReadBool(ini, "Common/AutoMaximize", d.Common.AutoMaximize);
    c.EverydayNotation = ReadBool(ini, "Common/EverydayNotation", d.Common.EverydayNotation);
    c.BreakLines = ReadBool(ini, "Common/BreakLines", d.Common.BreakLines);

    PanelSettings& p = settings.Panels;
    p.StandardPanel = ReadBool(ini, "Panels/StandardPanel", d.Panels.StandardPanel);
    p.GraphsPanel = ReadBool(ini, "Panels/GraphsPanel", d.Panels.GraphsPanel);
    p.CalculusPanel = ReadBool(ini, "Panels/CalcPanel", d.Panels.CalculusPanel);
    p.GraphList = ReadBool(ini, "Panels/GraphList", d.Panels.GraphList);

    settings.View.SmoothLines = ReadBool(ini, "View/SmoothLines", d.View.SmoothLines);

    RegressionSettings& g = settings.Regression;
    g.RegressionType =
        InRangeOr(ReadInt(ini, "Regression/RegressionType", d.Regression.RegressionType), 1, 8,
                  d.Regression.RegressionType);
    g.PolynomPower = InRangeOr(ReadInt(ini, "Regression/PolynomPower", d.Regression.PolynomPower),
                               2, 9, d.Regression.PolynomPower);

    settings.Print.BlackAndWhite = ReadBool(ini, "Print/BlackAndWhite", d.Print.BlackAndWhite);
    settings.Recent.Read(ini);
}

void WriteProgramSettings(QSettings& ini, const ProgramSettings& settings) {
    const AnalysisSettings& r = settings.Analysis;
    WriteBool(ini, "Research/FindZeroes", r.FindZeroes);
    WriteBool(ini, "Research/FindExtremums", r.FindExtremums);
    WriteReal(ini, "Research/MinX", r.MinX);
    WriteReal(ini, "Research/MaxX", r.MaxX);
    WriteInt(ini, "Research/DigitsNum", r.DigitsNum);
    WriteInt(ini, "Research/StepsNum", r.StepsNum);
    WriteBool(ini, "Research/UseDerivative", r.UseDerivative);

    const IntegralSettings& i = settings.Integrate;
    WriteReal(ini, "Integrate/MinX", i.MinX);
    WriteReal(ini, "Integrate/MaxX", i.MaxX);
    WriteInt(ini, "Integrate/StepsNum", i.StepsNum);
    WriteBool(ini, "Integrate/AbsIntegrate", i.AbsIntegrate);

    const ValueTableSettings& v = settings.ValueTable;
    WriteReal(ini, "ValueTable/Min", v.Min);
    WriteReal(ini, "ValueTable/Max", v.Max);
    WriteReal(ini, "ValueTable/Step", v.Step);

    const PanelSettings& p = settings.Panels;
    WriteBool(ini, "Panels/StandardPanel", p.StandardPanel);
    WriteBool(ini, "Panels/GraphsPanel", p.GraphsPanel);
    WriteBool(ini, "Panels/CalcPanel", p.CalculusPanel);
    WriteBool(ini, "Panels/GraphList", p.GraphList);

    const CommonSettings& c = settings.Common;
    WriteBool(ini, "Common/FuncPanelDelConfirmation", c.ConfirmDelete);
    WriteBool(ini, "Common/FunctionNewColor", c.FunctionNewColor);
    WriteBool(ini, "Common/ChangeSteps", c.ChangeSteps);
    WriteBool(ini, "Common/AutoMaximize", c.AutoMaximize);
    WriteBool(ini, "Common/EverydayNotation", c.EverydayNotation);
    WriteBool(ini, "Common/BreakLines", c.BreakLines);

    WriteBool(ini, "View/SmoothLines", settings.View.SmoothLines);

    WriteInt(ini, "Regression/RegressionType", settings.Regression.RegressionType);
    WriteInt(ini, "Regression/PolynomPower", settings.Regression.PolynomPower);

    WriteBool(ini, "Print/BlackAndWhite", settings.Print.BlackAndWhite);
    settings.Recent.Write(ini);
}

QString SettingsFilePath() {
    return QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation) +
           QStringLiteral("/Plotwise.ini");
}

bool SettingsFileUsable(const QString& path) {
    // QFileInfo follows links and only stats: a FIFO or device is never opened, so
    // checking cannot block.
    const QFileInfo info(path);
    if (!info.exists()) return true;
    return info.isFile() && info.size() <= kMaxFileSize;
}

}  // namespace plotwise
