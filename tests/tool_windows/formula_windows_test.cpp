// The windows that work on typed formulas as the user drives them: Analyse Function with
// its results window, Definite Integral and the Calculator.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <functional>

#include "../app/app_test_support.h"
#include "../plot/recording_feedback.h"
#include "../widget_application.h"
#include "services/program_settings.h"
#include "tool_windows/analysis_options_dialog.h"
#include "tool_windows/analysis_results_window.h"
#include "tool_windows/calculator_window.h"
#include "tool_windows/integral_window.h"

namespace plotwise {
namespace {

using testing_support::Find;
using testing_support::Items;
using testing_support::RecordingFeedback;
using testing_support::ScriptedDialogs;
using testing_support::ScriptedMessages;

// What a field shows: a line edit's or a label's text, a combo box's current text.
QString Text(QWidget& window, const char* name) {
    QWidget* w = Find<QWidget>(window, name);
    if (auto* edit = qobject_cast<QLineEdit*>(w)) return edit->text();
    if (auto* box = qobject_cast<QComboBox*>(w)) return box->currentText();
    return qobject_cast<QLabel*>(w)->text();
}

// Sets a field as the user would: a line edit's text, a combo box's typed text, a check box
// with "1" or "0".
void Set(QWidget& window, const char* name, const char* value) {
    QWidget* w = Find<QWidget>(window, name);
    if (auto* edit = qobject_cast<QLineEdit*>(w)) {
        edit->setText(value);
    } else if (auto* box = qobject_cast<QComboBox*>(w)) {
        box->setEditText(value);
    } else {
        qobject_cast<QCheckBox*>(w)->setChecked(value[0] == '1');
    }
}

void Click(QWidget& window, const char* button) {
    Find<QPushButton>(window, button)->click();
}

QStringList Column(QWidget& window, const char* grid, int column) {
    auto* table = Find<QTableWidget>(window, grid);
    QStringList cells;
    for (int row = 0; row < table->rowCount(); ++row)
        cells << (table->item(row, column) != nullptr ? table->item(row, column)->text() : "");
    return cells;
}

TEST(AnalysisOptionsDialogTest, ChecksFieldsInOrderAndFocusesTheFirstWrongOne) {
    ScriptedMessages messages;
    AnalysisOptionsDialog dialog(messages);
    AnalysisParams params;
    params.FindZeroes = params.FindExtremums = false;
    params.UseDerivative = true;
    dialog.SetFields("abs(x", params);
    dialog.show();
    Set(dialog, "MinXEdit", "1e3");
    Set(dialog, "MaxXEdit", "2");
    Set(dialog, "StepsNumEdit", "99");
    Set(dialog, "DigitsNumEdit", "6");
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
    for (const auto& step : steps) {
        messages.shown.clear();
        Click(dialog, "OKButton");
        EXPECT_EQ(messages.shown, QStringList({QString("Error: ") + step.message}));
        QWidget* field = Find<QWidget>(dialog, step.focused);
        QWidget* focused = dialog.focusWidget();
        EXPECT_TRUE(focused == field || (focused != nullptr && focused->parentWidget() == field))
            << step.message;
        EXPECT_TRUE(dialog.isVisible());
        Set(dialog, step.mend, step.value);
    }
    messages.shown.clear();
    Click(dialog, "OKButton");
    EXPECT_TRUE(messages.shown.isEmpty());
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.Formula(), "abs(x)");
    const AnalysisParams p = dialog.Params();
    EXPECT_TRUE(p.MinX == 3 && p.MaxX == 5 && p.StepsNum == 150 && p.DigitsNum == 3 &&
                p.FindExtremums && !p.UseDerivative);
}

// Plays the user through the command's modal windows: each step runs once the window it
// expects is up (and the results window has finished).
TEST(AnalysisCommandTest, OptionsReturnAfterEveryResultUntilCancelled) {
    ScriptedMessages messages;
    ScriptedDialogs dialogs;
    RecordingFeedback feedback;
    AnalysisSettings settings;
    FunctionAnalysisTool tool{nullptr, messages, dialogs, feedback};
    const std::vector<std::function<void(QWidget&)>> user = {
        [](QWidget& options) {
            EXPECT_EQ(options.windowTitle(), "Analyse Function");
            auto* box = Find<QComboBox>(options, "FormulaComboBox");
            EXPECT_EQ(Items(box), QStringList({"x*x-1", "sin(x)"}));
            EXPECT_EQ(box->currentText(), "");
            box->setCurrentIndex(0);
            Set(options, "MaxXEdit", "5");
            Click(options, "OKButton");
        },
        [](QWidget& results) {
            EXPECT_EQ(results.windowTitle(), "Analysis results");
            EXPECT_EQ(Text(results, "FormulaEdit") + "|" + Text(results, "MaxXLabel") + "|" +
                          Text(results, "DerivativeEdit") + "|" + Text(results, "NullsLabel"),
                      "Y(x)=x*x-1|Maximum of X = 5|Y'(x)=x+x|Zeroes of function: 2");
            EXPECT_EQ(Column(results, "NullsStringGrid", 0), QStringList({"-1", "1"}));
            EXPECT_FALSE(Find<QWidget>(results, "ProgressBar")->isVisible());
            Click(results, "CloseButton");
        },
        [](QWidget& options) {
            // The formula and the parameters of the last analysis are offered again.
            EXPECT_EQ(Text(options, "FormulaComboBox") + " " + Text(options, "MaxXEdit"),
                      "x*x-1 5");
            Click(options, "CancelButton");
        }};
    std::size_t next = 0;
    QTimer timer;
    QElapsedTimer clock;
    clock.start();
    QObject::connect(&timer, &QTimer::timeout, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal == nullptr) return;
        if (clock.elapsed() > 10000 || next == user.size()) {
            ADD_FAILURE() << "the command did not end";
            static_cast<QDialog*>(modal)->reject();
            return;
        }
        auto* close = modal->findChild<QPushButton*>("CloseButton");
        if (close != nullptr && !close->isVisible()) return;  // still analysing
        user[next++](*modal);
    });
    timer.start(10);
    tool.Run({"x*x-1", "sin(x)"}, settings);
    EXPECT_EQ(next, user.size());
    EXPECT_EQ(settings.MaxX, 5);
    EXPECT_TRUE(messages.shown.isEmpty());
}

class AnalysisResultsWindowTest : public ::testing::Test {
  protected:
    ScriptedMessages messages;
    ScriptedDialogs dialogs;
    RecordingFeedback feedback;
    AnalysisResultsWindow window{messages, dialogs, feedback, nullptr};
};

TEST_F(AnalysisResultsWindowTest, CopyAndSaveGiveTheReportInCrLfLines) {
    const char* const report =
        "Analysis of function Y(x)=x*x-1\r\nMinimum of X = -10\r\nMaximum of X = 10\r\n"
        "Accuracy (decimal signs) = 2\r\nNumber of steps = 200\r\nY'(x)=x+x\r\n\r\n"
        "Zeroes of function: 2\r\n-1\r\n1\r\n\r\nExtremums: 1\r\n"
        "     X                  Y                  \r\n"
        "min  0                  -1                 \r\n";
    window.Analyse("x*x-1", AnalysisParams{});
    Click(window, "CopyButton");
    EXPECT_EQ(QGuiApplication::clipboard()->text(), report);
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    dialogs.names = {dir.filePath("report.txt"), dir.filePath("missing/report.txt"), ""};
    for (int i = 0; i < 3; ++i)
        Click(window, "SaveToFileButton");
    QFile file(dir.filePath("report.txt"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray(report));
    EXPECT_EQ(messages.shown, QStringList({"Error: Input-output error"}));
}

TEST_F(AnalysisResultsWindowTest, EscStopsTheZeroScanAndTheExtremumsAreStillFound) {
    feedback.escAtPoll = 1;
    AnalysisParams params;
    params.UseDerivative = true;
    window.Analyse("x*x-1", params);
    EXPECT_EQ(Text(window, "NullsLabel"), "Zeroes of function: none (interrupted)");
    EXPECT_EQ(Column(window, "NullsStringGrid", 0), QStringList({""}));
    EXPECT_EQ(Text(window, "ExtremumsLabel"), "Extremums: 1");
    EXPECT_EQ(Column(window, "ExtremumsStringGrid", 1), QStringList({"0"}));
    EXPECT_EQ(feedback.polls, 11);  // one look by the zero scan, ten by the extremum scan
    EXPECT_EQ(feedback.events.front(), "busy");
    EXPECT_EQ(feedback.events.back(), "idle");
}

class IntegralWindowTest : public ::testing::Test {
  protected:
    IntegralWindowTest() { settings = {0, 3, 10, false}; }

    // Opens the window, lets the user act inside its modal loop, then cancels.
    void Execute(const std::vector<std::string>& formulas, const std::function<void()>& act) {
        QTimer::singleShot(0, &window, [this, act] {
            act();
            EXPECT_TRUE(window.isVisible());
            Click(window, "CancelButton");
        });
        window.Execute(formulas, settings);
    }
    // Sets the fields named, then presses OK.
    void Calculate(std::initializer_list<std::pair<const char*, const char*>> fields) {
        for (const auto& [name, value] : fields)
            Set(window, name, value);
        Click(window, "OKButton");
    }
    QString Result() { return Text(window, "ResultEdit"); }

    ScriptedMessages messages;
    RecordingFeedback feedback;
    IntegralSettings settings;
    IntegralWindow window{nullptr, messages, feedback};
};

TEST_F(IntegralWindowTest, EachOpeningRefillsTheListsAndKeepsTheFormulas) {
    settings.AbsIntegrate = true;
    Execute({"x*x", "sin(x)"}, [this] {
        EXPECT_EQ(Items(Find<QComboBox>(window, "Formula1ComboBox")),
                  QStringList({"0", "x*x", "sin(x)"}));
        EXPECT_EQ(Text(window, "Formula1ComboBox") + " " + Text(window, "MaxXEdit") + " " +
                      Text(window, "StepsNumEdit"),
                  "0 3 10");
        EXPECT_TRUE(Find<QCheckBox>(window, "AbsIntegrateCheckBox")->isChecked());
        Calculate({{"Formula1ComboBox", "x^3"}});
        EXPECT_EQ(Result(), "20.25");
    });
    settings.MaxX = 2.5L;
    Execute({"cos(x)"}, [this] {
        EXPECT_EQ(Items(Find<QComboBox>(window, "Formula1ComboBox")), QStringList({"0", "cos(x)"}));
        EXPECT_EQ(Text(window, "Formula1ComboBox") + " " + Text(window, "MaxXEdit"), "x^3 2.5");
        EXPECT_EQ(Result(), "");
    });
}

TEST_F(IntegralWindowTest, CalculateShowsTheResultAndStoresTheSettingsEvenAfterAFailure) {
    Execute({}, [this] {
        Calculate({{"Formula2ComboBox", "x*x"}});
        EXPECT_EQ(Result(), "-9");
        Calculate({{"Formula2ComboBox", "1/x"},
                   {"MinXEdit", "-1"},
                   {"MaxXEdit", "1"},
                   {"StepsNumEdit", "12"},
                   {"AbsIntegrateCheckBox", "1"}});
        EXPECT_EQ(Result(), "Error at function evaluation");
        feedback.escAtPoll = feedback.polls + 3;
        Calculate({{"Formula2ComboBox", "x"}});
        EXPECT_EQ(Result(), "Calculation interrupted");
    });
    EXPECT_TRUE(messages.shown.isEmpty());
    EXPECT_TRUE(settings.MinX == -1 && settings.MaxX == 1 && settings.StepsNum == 12 &&
                settings.AbsIntegrate);
    // Esc is heard only while the cursor shows the computation.
    EXPECT_EQ(feedback.events,
              std::vector<std::string>({"busy", "idle", "busy", "idle", "busy", "idle"}));
}

TEST_F(IntegralWindowTest, AFailedCheckIsShownAndFocusedAndNothingIsStored) {
    Execute({}, [this] {
        Calculate({{"Formula1ComboBox", "x"}, {"StepsNumEdit", "9"}, {"MaxXEdit", "7"}});
        EXPECT_EQ(window.focusWidget(), Find<QWidget>(window, "StepsNumEdit"));
        Calculate({{"Formula2ComboBox", "y"}});
        EXPECT_EQ(window.focusWidget(), Find<QWidget>(window, "Formula2ComboBox"));
    });
    EXPECT_EQ(messages.shown,
              QStringList({"Error: The number of steps must be\ran integer from 10 up to 2000",
                           "Error: Error 1: syntax error"}));
    EXPECT_TRUE(feedback.events.empty());
    EXPECT_EQ(settings.MaxX, 3);
}

class CalculatorWindowTest : public ::testing::Test {
  protected:
    QString Result() { return Text(window, "ResultEdit"); }
    void Activate() {
        QEvent activate(QEvent::WindowActivate);
        QApplication::sendEvent(&window, &activate);
    }

    ScriptedMessages messages;
    CalculatorWindow window{nullptr, messages};
};

TEST_F(CalculatorWindowTest, CalculateChecksTheFieldsInOrder) {
    window.ShowCalculator();
    Set(window, "FormulaEdit", "x^2+1");
    Set(window, "VariableValueEdit", "3");
    Click(window, "CalcButton");
    EXPECT_EQ(Result(), "10");
    const struct {
        const char *name, *value, *focused, *message;
    } failures[] = {
        {"", "3", "VariableNameEdit",
         "Error: The name of the variable must\rbe a letter of the latin alphabet"},
        {"X", "x", "VariableValueEdit", "Error: The value of the variable must be a number"},
        {"t", "3", "FormulaEdit", "Error: Error 1: syntax error"},
    };
    for (const auto& f : failures) {
        messages.shown.clear();
        Set(window, "VariableNameEdit", f.name);
        Set(window, "VariableValueEdit", f.value);
        Click(window, "CalcButton");
        EXPECT_EQ(messages.shown, QStringList(f.message));
        EXPECT_EQ(window.focusWidget(), Find<QWidget>(window, f.focused));
        EXPECT_EQ(Result(), "");
        EXPECT_TRUE(window.isVisible());
    }
    window.hide();
}

TEST_F(CalculatorWindowTest, EveryActivationRecomputesSilently) {
    EXPECT_EQ(Text(window, "VariableNameEdit") + "=" + Text(window, "VariableValueEdit"), "X=0");
    Set(window, "FormulaEdit", "1/3+x");
    window.ShowCalculator();
    EXPECT_EQ(Result(), "0.3333333333");
    Set(window, "VariableNameEdit", "t");
    const struct {
        const char *formula, *result;
    } cases[] = {{"sin(t)", "0"}, {"1/t", "Error"}, {"", ""}};
    for (const auto& c : cases) {
        Set(window, "FormulaEdit", c.formula);
        Activate();
        EXPECT_EQ(Result(), c.result) << c.formula;
    }
    EXPECT_TRUE(messages.shown.isEmpty());
    window.hide();
}

}  // namespace
}  // namespace plotwise
