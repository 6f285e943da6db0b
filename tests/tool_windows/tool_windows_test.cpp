// The calculus windows as the user drives them: what each checks, focuses, keeps and hands
// on. What they compute is tested with the tools and plotwise-cli; how the main window
// opens them, and the Regression window's adding, with the main window's tests.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTimer>
#include <functional>

#include "../app/app_test_support.h"
#include "../plot/plot_test_support.h"
#include "../plot/recording_feedback.h"
#include "../widget_application.h"
#include "plot/document.h"
#include "services/program_settings.h"
#include "tool_windows/analysis_options_dialog.h"
#include "tool_windows/analysis_results_window.h"
#include "tool_windows/derivative_window.h"
#include "tool_windows/integral_window.h"
#include "tool_windows/tangent_window.h"
#include "tool_windows/trace_window.h"

namespace plotwise {
namespace {

using testing_support::Find;
using testing_support::GraphOfKind;
using testing_support::OnNextModal;
using testing_support::PressKey;
using testing_support::RecordingFeedback;
using testing_support::ScriptedDialogs;
using testing_support::ScriptedMessages;
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
    dialog.SetFields("abs(x", params);
    dialog.show();
    Set(dialog,
        {{"MinXEdit", "1e3"}, {"MaxXEdit", "2"}, {"StepsNumEdit", "99"}, {"DigitsNumEdit", "6"}});
    // Each step: what is wrong is shown and focused; the user mends it and presses OK again.
    // clang-format off
    const struct { const char *focused, *message, *mend, *value; } steps[] = {
        {"FormulaComboBox", "Error 3: not enough ')' ", "FormulaComboBox", " "},
        {"FormulaComboBox", "Empty formula", "FormulaComboBox", "abs(x)"},
        {"MinXEdit", "Minimum of X must be a number\rfrom -1*10^100 up to 1*10^100", "MinXEdit", "3"},
        {"MaxXEdit", "Maximum of X must be more\rthan minimum of X", "MaxXEdit", "2*10^100"},
        {"MaxXEdit", "Maximum of X must be a number\rfrom -1*10^100 up to 1*10^100", "MaxXEdit", "5"},
        {"StepsNumEdit", "Number of steps must be a\rpositive integer from 100 up to 20000", "StepsNumEdit", "150"},
        {"DigitsNumEdit", "Decimal signs number must be\ran integer from 0 up to 5", "DigitsNumEdit", "3"},
        {"NullsCheckBox", "Not marked on an evaluation neither zeros\rnor extremums of function", "ExtremumsCheckBox", "1"},
        {"UseDerivativeCheckBox", "It is impossible to calculate extremums with\rthe help of analytically obtained "
         "derivative\ras the formula contains nondifferentiable function", "UseDerivativeCheckBox", "0"},
    };
    // clang-format on
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
}

TEST(IntegralWindowTest, ChecksCalculatesAndRefillsAtEachOpening) {
    ScriptedMessages messages;
    RecordingFeedback feedback;
    IntegralSettings settings{0, 3, 10, true};
    IntegralWindow window{nullptr, messages, feedback};
    PlotOverlay band;
    window.ShowOverlay = [&band](const PlotOverlay& shown) { band = shown; };
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
        EXPECT_TRUE(feedback.events.empty() && settings.MaxX == 3);
        EXPECT_EQ(
            calculate({{"Formula1ComboBox", "x^3"}, {"Formula2ComboBox", "0"}, {"MaxXEdit", "3"}}),
            "20.25");
        // The band shaded on the plot: x^3 down to the axis, gone with a failed calculation.
        ASSERT_EQ(band.shade.size(), 401u);
        EXPECT_EQ(std::make_tuple(band.formula, band.shade[400].y1, band.shade[400].y2),
                  std::make_tuple("x^3", 27.0L, 0.0L));
        // The settings are stored even when the calculation fails.
        EXPECT_EQ(calculate({{"Formula2ComboBox", "1/x"},
                             {"MinXEdit", "-1"},
                             {"MaxXEdit", "1"},
                             {"AbsIntegrateCheckBox", "0"}}),
                  "Error at function evaluation");
        feedback.escAtPoll = feedback.polls + 3;
        EXPECT_EQ(calculate({{"Formula2ComboBox", "x"}}), "Calculation interrupted");
        EXPECT_TRUE(band.Empty());
        calculate({{"Formula2ComboBox", "0"}});
        EXPECT_FALSE(band.Empty());
    });
    EXPECT_TRUE(band.Empty());  // closing the window takes it away
    EXPECT_TRUE(settings.MinX == -1 && settings.MaxX == 1 && !settings.AbsIntegrate);
    settings.MaxX = 2.5L;
    execute({"cos(x)"}, [&] {
        EXPECT_EQ(Shown(window, {"Formula1ComboBox", "MaxXEdit", "ResultEdit"}), "x^3|2.5|");
        // Enter in the box calculates what it shows, the kept formula included, also while
        // the opening leaves it selected.
        auto* typed = Find<QComboBox>(window, "Formula1ComboBox");
        typed->lineEdit()->selectAll();
        PressKey(typed, Qt::Key_Return);
        EXPECT_EQ(Shown(window, {"Formula1ComboBox", "ResultEdit"}), "x^3|9.515625");
    });
    EXPECT_EQ(messages.shown,
              QStringList({"Error: The number of steps must be\ran integer from 10 up to 2000",
                           "Error: Error 1: syntax error"}));
    // Esc is heard only while the cursor shows the computation.
    EXPECT_EQ(feedback.events, std::vector<std::string>({"busy", "idle", "busy", "idle", "busy",
                                                         "idle", "busy", "idle", "busy", "idle"}));
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

// The Derivative and Regression windows add their graphs in the same way; their lines are
// tested with DeriveGraph and RecomputeRegression, their adding through the main window.
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
        Set(window, {{"FuncComboBox", "1"}});
        EXPECT_EQ(shown(), "It is impossible to plot a tangent/normal|-|-");
        EXPECT_FALSE(Find<QWidget>(window, "AddFunctionButton")->isEnabled());
        Set(window, {{"FuncComboBox", "0"}});
        for (const char* text : {"abc", "1*10^101", "0"}) {
            Set(window, {{"VarEdit", text}});
            Click(window, "AddFunctionButton");
        }
        Set(window, {{"NormalRadioButton", "1"}});
        Click(window, "AddFunctionButton");
        EXPECT_TRUE(Focused(window, "VarEdit"));
        Set(window, {{"TangentRadioButton", "1"}, {"VarEdit", "1"}});
        Click(window, "AddFunctionButton");
    });
    window.Execute({GraphOfKind(kYOfX, "1/x"), GraphOfKind(kEquation, "x-y")}, 5, options);
    EXPECT_EQ(messages.shown,
              QStringList({"Error: The value of the variable must be a number",
                           "Error: Too large absolute value of variable",
                           "Error: Error of the determination of the equation of the tangent",
                           "Error: Error of the determination of the equation of the normal"}));
    ASSERT_EQ(added.records.size(), 2u);
    EXPECT_EQ(added.records[1].Kind, kYOfX);
    EXPECT_EQ(added.records[1].Formula().Text(), "-1*x+2");
    EXPECT_EQ(added.records[1].Color, 13);
    EXPECT_FALSE(window.isVisible());
    // At the limit the properties dialog is not reached: only its refusal shows.
    OnNextModal<QDialog>([&](QDialog&) {
        Click(window, "AddFunctionButton");
        EXPECT_TRUE(window.isVisible());
    });
    window.Execute(std::vector<GraphRecord>(30, GraphOfKind(kYOfX, "x")), 0, options);
    EXPECT_EQ(added.records.size(), 3u);
}

// The document the Trace window walks: 1/x over -1..1 in 4 steps and an equation; the cross
// only notes whether it is shown.
class TracedDocument final : public TraceTarget {
  public:
    TracedDocument() {
        GraphRecord props = GraphOfKind(kYOfX, "1/x");
        GraphInterval& in = props.Interval();
        in.DefaultInterval = in.DefaultSteps = false;
        in.Min = -1;
        in.Max = 1;
        in.StepsNum = 4;
        doc.CalculateGraph(doc.AddGraph(props), doc.Options, 0);
        doc.AddGraph(GraphOfKind(kEquation, "x-y"));
    }
    const Document* Doc() const override { return gone ? nullptr : &doc; }
    void MovePointer(long double, long double) override { crossShown = true; }
    void HidePointer() override { crossShown = false; }
    void ListenToClicks(std::function<void(int, int)> listener) override { click = listener; }

    Document doc{StandardOptions()};
    std::function<void(int, int)> click;
    bool gone = false;
    bool crossShown = false;
};

TEST(TraceWindowTest, NoCrossWhereThereIsNoPointAndNothingLeftOfAClosedDocument) {
    // The readouts are tested with TraceReadout, the cross on a picture via the main window.
    TracedDocument target;
    TraceWindow window{nullptr};
    auto* list = window.findChild<QComboBox*>("FuncComboBox");
    auto* bar = window.findChild<QScrollBar*>("TraceScrollBar");
    QTimer::singleShot(0, &window, [&] {
        EXPECT_TRUE(target.crossShown);
        bar->setValue(3);  // x = 0
        EXPECT_EQ(Shown(window, {"XLabel", "YLabel"}), "X=0|Y: Error");
        EXPECT_FALSE(target.crossShown);
        PressKey(bar, Qt::Key_Right);
        EXPECT_TRUE(target.crossShown);
        auto* value = window.findChild<QLineEdit*>("ValueEdit");
        for (const char* typed : {"-0.6", "0.4", "x"}) {  // "x" is no number: nothing moves
            value->setText(typed);
            PressKey(value, Qt::Key_Return);
        }
        EXPECT_EQ(Shown(window, {"XLabel"}), "X=0.5");
        target.doc.ClientRect = {0, 0, 400, 300};
        target.click(target.doc.XToScreen(-0.4L), target.doc.YToScreen(-2));
        EXPECT_EQ(bar->value(), 2);
        list->setCurrentIndex(1);
        EXPECT_EQ(Shown(window, {"XLabel"}), "The tracing is impossible");
        EXPECT_FALSE(bar->isEnabled());
        list->setCurrentIndex(0);
        target.gone = true;  // its window closed meanwhile, as when the session ends
        bar->setValue(2);
        list->setCurrentIndex(1);
        EXPECT_FALSE(bar->isEnabled());
        PressKey(&window, Qt::Key_Escape);
    });
    window.Execute(target, 0);
    EXPECT_FALSE(window.isVisible() || target.crossShown || target.click);
}

}  // namespace
}  // namespace plotwise
