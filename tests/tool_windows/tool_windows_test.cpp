// The calculus windows as the user drives them. What they compute is tested with the tools
// and plotwise-cli; here: what each window checks, focuses, keeps and hands on.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTimer>
#include <functional>

#include "../app/app_test_support.h"
#include "../plot/plot_test_support.h"
#include "../plot/recording_feedback.h"
#include "../widget_application.h"
#include "plot/document.h"
#include "plot/new_graph.h"
#include "plot/trace_cross.h"
#include "services/program_settings.h"
#include "tool_windows/analysis_options_dialog.h"
#include "tool_windows/analysis_results_window.h"
#include "tool_windows/calculator_window.h"
#include "tool_windows/derivative_window.h"
#include "tool_windows/integral_window.h"
#include "tool_windows/regression_window.h"
#include "tool_windows/tangent_window.h"
#include "tool_windows/trace_window.h"
#include "tools/regression_tool.h"

namespace plotwise {
namespace {

using testing_support::Find;
using testing_support::GraphOfKind;
using testing_support::OnNextModal;
using testing_support::PressKey;
using testing_support::RecordingFeedback;
using testing_support::ScriptedDialogs;
using testing_support::ScriptedMessages;
using testing_support::TableOf;
using Fields = std::initializer_list<std::pair<const char*, const char*>>;

// The named controls' texts joined by "|", "-" for a hidden one.
QString Shown(QWidget& window, std::initializer_list<const char*> names) {
    QStringList texts;
    for (const char* name : names) {
        const QWidget* w = Find<QWidget>(window, name);
        const char* text = qobject_cast<const QComboBox*>(w) ? "currentText" : "text";
        texts << (w->isVisible() ? w->property(text).toString() : "-");
    }
    return texts.join('|');
}

// Fills controls as the user would: a text, a list's item number, a button's check ("1").
void Set(QWidget& window, Fields fields) {
    for (const auto& [name, value] : fields) {
        QWidget* w = Find<QWidget>(window, name);
        auto* box = qobject_cast<QComboBox*>(w);
        if (qobject_cast<QAbstractButton*>(w))
            w->setProperty("checked", value[0] == '1');
        else if (box != nullptr && !box->isEditable())
            box->setCurrentIndex(QString(value).toInt());
        else
            w->setProperty(box != nullptr ? "currentText" : "text", value);
    }
}

void Click(QWidget& window, const char* button) {
    Find<QAbstractButton>(window, button)->click();
}

bool Focused(QWidget& window, const char* name) {
    QWidget* field = Find<QWidget>(window, name);
    QWidget* focused = window.focusWidget();
    return focused == field || (focused != nullptr && focused->parentWidget() == field);
}

TEST(AnalysisOptionsDialogTest, ChecksFieldsInOrderAndFocusesTheFirstWrongOne) {
    ScriptedMessages messages;
    AnalysisOptionsDialog dialog(messages);
    AnalysisParams params;
    params.FindZeroes = params.FindExtremums = false;
    params.UseDerivative = true;
    params.MaxX = 2;
    params.StepsNum = 99;
    params.DigitsNum = 6;
    dialog.SetFields("abs(x", params);
    dialog.show();
    Set(dialog, {{"MinXEdit", "1e3"}});
    // Each step: what is wrong is shown and focused; the user mends it and presses OK again.
    const struct {
        const char *focused, *message, *mend, *value;
    } steps[] = {
        {"FormulaComboBox", "Error 3: not enough ')' ", "FormulaComboBox", " "},
        {"FormulaComboBox", "Empty formula", "FormulaComboBox", "abs(x)"},
        {"MinXEdit", "Minimum of X must be a number\rfrom -1*10^100 up to 1*10^100", "MinXEdit",
         "3"},
        {"MaxXEdit", "Maximum of X must be more\rthan minimum of X", "MaxXEdit", "2*10^100"},
        {"MaxXEdit", "Maximum of X must be a number\rfrom -1*10^100 up to 1*10^100", "MaxXEdit",
         "5"},
        {"StepsNumEdit", "Number of steps must be a\rpositive integer from 100 up to 20000",
         "StepsNumEdit", "150"},
        {"DigitsNumEdit", "Decimal signs number must be\ran integer from 0 up to 5",
         "DigitsNumEdit", "3"},
        {"NullsCheckBox", "Not marked on an evaluation neither zeros\rnor extremums of function",
         "ExtremumsCheckBox", "1"},
        {"UseDerivativeCheckBox",
         "It is impossible to calculate extremums with\rthe help of analytically obtained "
         "derivative\ras the formula contains nondifferentiable function",
         "UseDerivativeCheckBox", "0"},
    };
    QStringList shown;
    for (const auto& step : steps) {
        Click(dialog, "OKButton");
        EXPECT_EQ(messages.shown, shown << QString("Error: ") + step.message);
        EXPECT_TRUE(Focused(dialog, step.focused)) << step.message;
        Set(dialog, {{step.mend, step.value}});
    }
    Click(dialog, "OKButton");
    EXPECT_EQ(messages.shown, shown);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.Formula(), "abs(x)");
    const AnalysisParams p = dialog.Params();
    EXPECT_TRUE(p.MinX == 3 && p.MaxX == 5 && p.StepsNum == 150 && p.DigitsNum == 3 &&
                p.FindExtremums && !p.UseDerivative);
}

TEST(AnalysisResultsWindowTest, EscStopsOneScanAndCopyAndSaveGiveTheReportInCrLfLines) {
    ScriptedMessages messages;
    ScriptedDialogs dialogs;
    RecordingFeedback feedback;
    AnalysisResultsWindow window{messages, dialogs, feedback, nullptr};
    window.show();
    feedback.escAtPoll = 1;
    AnalysisParams params;
    params.UseDerivative = true;
    window.Analyse("x*x-1", params);
    EXPECT_EQ(Shown(window, {"NullsLabel", "ExtremumsLabel"}),
              "Zeroes of function: none (interrupted)|Extremums: 1");
    EXPECT_EQ(feedback.events.front() + feedback.events.back(), "busyidle");
    // The report's lines are tested with BuildReport and plotwise-cli analyse.
    window.Analyse("x*x-1", AnalysisParams{});
    std::string report;
    for (const std::string& line : window.Analysis()->BuildReport())
        report += line + "\r\n";
    Click(window, "CopyButton");
    EXPECT_EQ(QGuiApplication::clipboard()->text().toStdString(), report);
    QTemporaryDir dir;
    dialogs.names = {dir.filePath("report.txt"), dir.filePath("missing/report.txt"), ""};
    for (int i = 0; i < 3; ++i)
        Click(window, "SaveToFileButton");
    QFile file(dir.filePath("report.txt"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll().toStdString(), report);
    EXPECT_EQ(messages.shown, QStringList({"Error: Input-output error"}));
    window.hide();
}

TEST(IntegralWindowTest, ChecksCalculatesAndRefillsAtEachOpening) {
    ScriptedMessages messages;
    RecordingFeedback feedback;
    IntegralSettings settings{0, 3, 10, true};
    IntegralWindow window{nullptr, messages, feedback};
    // Opens the window, lets the user act inside its modal loop, then cancels.
    const auto execute = [&](const std::vector<std::string>& formulas, std::function<void()> act) {
        QTimer::singleShot(0, &window, [&, act] {
            act();
            Click(window, "CancelButton");
        });
        window.Execute(formulas, settings);
    };
    const auto calculate = [&](Fields fields) {
        Set(window, fields);
        Click(window, "OKButton");
        return Shown(window, {"ResultEdit"});
    };
    execute({"x*x", "sin(x)"}, [&] {
        EXPECT_EQ(Shown(window, {"Formula1ComboBox", "MaxXEdit", "StepsNumEdit"}), "0|3|10");
        // A failed check is shown and focused, and nothing is stored.
        calculate({{"Formula1ComboBox", "x"}, {"StepsNumEdit", "9"}, {"MaxXEdit", "7"}});
        EXPECT_TRUE(Focused(window, "StepsNumEdit"));
        calculate({{"StepsNumEdit", "10"}, {"Formula2ComboBox", "y"}});
        EXPECT_TRUE(Focused(window, "Formula2ComboBox"));
        EXPECT_TRUE(feedback.events.empty());
        EXPECT_EQ(settings.MaxX, 3);
        EXPECT_EQ(
            calculate({{"Formula1ComboBox", "x^3"}, {"Formula2ComboBox", "0"}, {"MaxXEdit", "3"}}),
            "20.25");
        // The settings are stored even when the calculation fails.
        EXPECT_EQ(calculate({{"Formula2ComboBox", "1/x"},
                             {"MinXEdit", "-1"},
                             {"MaxXEdit", "1"},
                             {"AbsIntegrateCheckBox", "0"}}),
                  "Error at function evaluation");
        feedback.escAtPoll = feedback.polls + 3;
        EXPECT_EQ(calculate({{"Formula2ComboBox", "x"}}), "Calculation interrupted");
    });
    EXPECT_TRUE(settings.MinX == -1 && settings.MaxX == 1 && !settings.AbsIntegrate);
    settings.MaxX = 2.5L;
    execute({"cos(x)"}, [&] {
        EXPECT_EQ(Find<QComboBox>(window, "Formula1ComboBox")->itemText(1), "cos(x)");
        EXPECT_EQ(Shown(window, {"Formula1ComboBox", "MaxXEdit", "ResultEdit"}), "x^3|2.5|");
    });
    EXPECT_EQ(messages.shown,
              QStringList({"Error: The number of steps must be\ran integer from 10 up to 2000",
                           "Error: Error 1: syntax error"}));
    // Esc is heard only while the cursor shows the computation.
    EXPECT_EQ(feedback.events,
              std::vector<std::string>({"busy", "idle", "busy", "idle", "busy", "idle"}));
}

TEST(CalculatorWindowTest, CalculateFocusesTheWrongFieldAndActivationRecomputesSilently) {
    // The messages and their order are tested through plotwise-cli eval.
    ScriptedMessages messages;
    CalculatorWindow window{nullptr, messages};
    Set(window, {{"FormulaEdit", "1/3+x"}});
    window.ShowCalculator();
    EXPECT_EQ(Shown(window, {"VariableNameEdit", "VariableValueEdit", "ResultEdit"}),
              "X|0|0.3333333333");
    for (const auto& [name, value, focused] : {std::tuple{"", "3", "VariableNameEdit"},
                                               {"X", "x", "VariableValueEdit"},
                                               {"t", "3", "FormulaEdit"}}) {
        Set(window, {{"VariableNameEdit", name}, {"VariableValueEdit", value}});
        Click(window, "CalcButton");
        EXPECT_TRUE(Focused(window, focused));
        EXPECT_EQ(Shown(window, {"ResultEdit"}), "");
    }
    for (const auto& [formula, result] : {std::pair{"1/t", "Error"}, {"", ""}}) {
        Set(window, {{"VariableValueEdit", "0"}, {"FormulaEdit", formula}});
        QEvent activate(QEvent::WindowActivate);
        QApplication::sendEvent(&window, &activate);
        EXPECT_EQ(Shown(window, {"ResultEdit"}), result);
    }
    EXPECT_EQ(messages.shown.size(), 3);
    window.hide();
}

// Records what a window hands to the properties dialog, which is "cancelled" the first
// cancels times.
struct AddRecorder {
    std::vector<GraphRecord> records;
    int cancels = 0;
    std::function<void()> onCancel;  // runs (queued) once the window is back

    AddGraphCallback Callback() {
        return [this](const GraphRecord& record) {
            records.push_back(record);
            if (cancels-- <= 0) return true;
            if (onCancel) QTimer::singleShot(0, onCancel);
            return false;
        };
    }
};

bool AddEnabled(QWidget& window) {
    return Find<QPushButton>(window, "AddFunctionButton")->isEnabled();
}

// The Derivative window shares the adding with this one; its lines are tested with
// DeriveGraph and through the main window.
TEST(TangentWindowTest, ControlsFollowTheGraphValuesAreCheckedAndTheLineTakesTheDefaultStyle) {
    ScriptedMessages messages;
    OptionsRecord options = StandardOptions();
    options.GraphDefaults.Style.Color = 13;
    AddRecorder added;
    TangentWindow window{nullptr, messages, added.Callback()};
    added.cancels = 1;
    added.onCancel = [&] {
        EXPECT_TRUE(window.isVisible());  // back for another try
        Click(window, "AddFunctionButton");
    };
    OnNextModal<QDialog>([&](QDialog&) {
        const auto shown = [&] { return Shown(window, {"VarLabel", "PiLabel", "VarEdit"}); };
        EXPECT_EQ(shown(), "X=|-|0");
        Set(window, {{"FuncComboBox", "2"}});
        EXPECT_EQ(shown(), "It is impossible to plot a tangent/normal|-|-");
        EXPECT_FALSE(AddEnabled(window));
        Set(window, {{"FuncComboBox", "0"}});
        for (const char* text : {"abc", "1*10^101", "0"}) {
            Set(window, {{"VarEdit", text}});
            Click(window, "AddFunctionButton");
        }
        Set(window, {{"NormalRadioButton", "1"}});
        Click(window, "AddFunctionButton");
        EXPECT_TRUE(Focused(window, "VarEdit"));
        Set(window, {{"TangentRadioButton", "1"}, {"FuncComboBox", "1"}});
        EXPECT_EQ(shown(), "A=|Pi|0");
        Click(window, "AddFunctionButton");
    });
    window.Execute(
        {GraphOfKind(kYOfX, "1/x"), GraphOfKind(kPolarGraph, "1"), GraphOfKind(kEquation, "x-y")},
        5, options);
    EXPECT_EQ(messages.shown,
              QStringList({"Error: The value of the variable must be a number",
                           "Error: Too large absolute value of variable",
                           "Error: Error of the determination of the equation of the tangent",
                           "Error: Error of the determination of the equation of the normal"}));
    ASSERT_EQ(added.records.size(), 2u);
    EXPECT_EQ(added.records[1].Kind, kXOfY);
    EXPECT_EQ(added.records[1].Formula().Text(), "0*y+1");
    EXPECT_EQ(added.records[1].Color, 13);
    EXPECT_FALSE(window.isVisible());
}

TEST(RegressionWindowTest, EveryChangeRecomputesAndTheSettingsFollow) {
    ScriptedMessages messages;
    RegressionSettings settings{1, 2};
    AddRecorder added;
    RegressionWindow window{nullptr, messages, added.Callback()};
    OnNextModal<QDialog>([&](QDialog&) {
        const auto power = [&](const char* degree) {
            Set(window, {{"PolynomPowerEdit", degree}});
            PressKey(Find<QWidget>(window, "PolynomPowerEdit"), Qt::Key_Return);
            return Shown(window, {"FormulaEdit"}).count('x');  // the terms shown
        };
        EXPECT_EQ(Shown(window, {"TableComboBox", "FormulaEdit"}), "Table: 4 items|4.4*x-3");
        Click(window, "PolynomRadioButton");
        EXPECT_EQ(power("3"), 3);
        EXPECT_EQ(settings.PolynomPower, 3);
        Click(window, "LineRadioButton");
        power("10");
        EXPECT_TRUE(Focused(window, "PolynomPowerEdit"));
        EXPECT_EQ(settings.PolynomPower, 3);
        EXPECT_EQ(settings.RegressionType, kLinear);
        power("2");  // a valid degree picks the polynomial family
        EXPECT_EQ(settings.RegressionType, kPolynomial);
        Set(window, {{"TableComboBox", "0"}});
        EXPECT_EQ(Shown(window, {"SquareLabel", "FormulaEdit"}),
                  "Not enough numbers for regression|");
        EXPECT_FALSE(AddEnabled(window));
    });
    window.Execute({TableOf({{1, 1}, {1, 2}}), GraphOfKind(kYOfX, "x"),
                    TableOf({{1, 3}, {2, 5}, {3, 7}, {4, 17}})},
                   2, StandardOptions(), settings);
    EXPECT_EQ(messages.shown,
              QStringList({"Error: The power of polynomial must be\ran integer from 2 up to 9"}));
}

// A document with its picture, as a document window lends them: 1/x over -1..1, a polar
// circle of radius -1 over 0..1 and an equation, each in 4 steps.
class PictureTarget final : public TraceTarget {
  public:
    PictureTarget() {
        doc.ClientRect = {0, 0, picture.width(), picture.height()};
        picture.fill(Qt::white);
        for (const auto& [kind, formula, min] :
             {std::tuple{kYOfX, "1/x", -1}, {kPolarGraph, "-1", 0}, {kEquation, "x*x+y*y-1", 0}}) {
            GraphRecord props = EmptyGraphRecord();
            props.Kind = kind;
            SetNewProps(props, doc.Options);
            props.Formula().SetText(formula);
            GraphInterval& interval = props.Interval();
            interval.DefaultInterval = interval.DefaultSteps = false;
            interval.Min = min;
            interval.Max = 1;
            interval.StepsNum = 4;
            doc.CalculateGraph(doc.AddGraph(props), doc.Options, 0);
        }
    }
    const Document* Doc() const override { return gone ? nullptr : &doc; }
    void MovePointer(long double x, long double y) override { pointer.MoveTo(x, y); }
    void HidePointer() override { pointer.Hide(); }

    Document doc{StandardOptions()};
    QImage picture{300, 240, QImage::Format_RGB32};
    TraceCross pointer{doc, &picture};
    bool gone = false;
};

TEST(TraceWindowTest, WalksTheSelectedGraphAndLeavesThePictureAsItWas) {
    // What each graph offers and the readout texts are tested with SetupTrace and
    // TraceReadout, the cross over a document's picture through the main window.
    PictureTarget target;
    TraceWindow window{nullptr};
    const QImage blank = target.picture.copy();
    auto* list = window.findChild<QComboBox*>("FuncComboBox");
    auto* bar = window.findChild<QScrollBar*>("TraceScrollBar");
    QTimer::singleShot(0, &window, [&] {
        EXPECT_EQ(Shown(window, {"XLabel", "ATLabel", "RLabel"}), "X=-1|A=0 Pi|R=-1");
        PressKey(bar, Qt::Key_Right);
        EXPECT_EQ(Shown(window, {"ATLabel"}), "A=0.25 Pi");
        list->setCurrentIndex(0);
        bar->setValue(3);
        EXPECT_EQ(Shown(window, {"YLabel", "ATLabel"}), "Y: Error|-");
        EXPECT_FALSE(target.pointer.Visible());
        bar->setValue(4);
        EXPECT_TRUE(target.pointer.Visible());
        list->setCurrentIndex(2);
        EXPECT_EQ(Shown(window, {"XLabel"}), "The tracing is impossible");
        EXPECT_FALSE(bar->isEnabled());
        list->setCurrentIndex(0);
        target.gone = true;  // the document window closed meanwhile
        bar->setValue(2);
        list->setCurrentIndex(1);
        EXPECT_FALSE(bar->isEnabled());
        PressKey(&window, Qt::Key_Escape);
    });
    window.Execute(target, 1);
    EXPECT_FALSE(window.isVisible() || target.pointer.Visible());
    EXPECT_EQ(target.picture, blank);
}

}  // namespace
}  // namespace plotwise
