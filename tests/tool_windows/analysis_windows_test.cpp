// The Analyse Function dialog and the Analysis results window as the user drives them.
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

namespace plotwise {
namespace {

using testing_support::Find;
using testing_support::RecordingFeedback;
using testing_support::ScriptedDialogs;
using testing_support::ScriptedMessages;

QString Text(QWidget& form, const char* label) {
    return Find<QLabel>(form, label)->text();
}

QStringList Column(QWidget& form, const char* grid, int column) {
    auto* table = Find<QTableWidget>(form, grid);
    QStringList cells;
    for (int row = 0; row < table->rowCount(); ++row)
        cells << (table->item(row, column) != nullptr ? table->item(row, column)->text() : "");
    return cells;
}

const char* const kSquareReport =
    "Analysis of function Y(x)=x*x-1\r\nMinimum of X = -10\r\nMaximum of X = 10\r\n"
    "Accuracy (decimal signs) = 2\r\nNumber of steps = 200\r\nY'(x)=x+x\r\n\r\n"
    "Zeroes of function: 2\r\n-1\r\n1\r\n\r\nExtremums: 1\r\n"
    "     X                  Y                  \r\n"
    "min  0                  -1                 \r\n";

TEST(ResearchOptionsForm, ChecksFieldsInOrderAndFocusesTheFirstWrongOne) {
    ScriptedMessages messages;
    AnalysisOptionsDialog form(messages);
    AnalysisParams params;
    params.FindZeroes = false;
    params.FindExtremums = false;
    params.UseDerivative = true;
    form.SetFields("abs(x", params);
    form.show();
    auto* formula = Find<QComboBox>(form, "FormulaComboBox");
    auto* nulls = Find<QCheckBox>(form, "NullsCheckBox");
    auto* extremums = Find<QCheckBox>(form, "ExtremumsCheckBox");
    // Each step: what is wrong is shown and focused; the user mends it and presses OK again.
    const struct {
        QWidget* field;
        const char* message;
        std::function<void()> mend;
    } steps[] = {
        {formula, "Error 3: not enough ')' ", [&] { formula->setEditText(" "); }},
        {formula, "Empty formula", [&] { formula->setEditText("abs(x)"); }},
        {Find<QLineEdit>(form, "MinXEdit"),
         "Minimum of X must be a number\rfrom -1*10^100 up to 1*10^100",
         [&] { Find<QLineEdit>(form, "MinXEdit")->setText("3"); }},
        {Find<QLineEdit>(form, "MaxXEdit"), "Maximum of X must be more\rthan minimum of X",
         [&] { Find<QLineEdit>(form, "MaxXEdit")->setText("2*10^100"); }},
        {Find<QLineEdit>(form, "MaxXEdit"),
         "Maximum of X must be a number\rfrom -1*10^100 up to 1*10^100",
         [&] { Find<QLineEdit>(form, "MaxXEdit")->setText("5"); }},
        {Find<QLineEdit>(form, "StepsNumEdit"),
         "Number of steps must be a\rpositive integer from 100 up to 20000",
         [&] { Find<QLineEdit>(form, "StepsNumEdit")->setText("150"); }},
        {Find<QLineEdit>(form, "DigitsNumEdit"),
         "Decimal signs number must be\ran integer from 0 up to 5",
         [&] { Find<QLineEdit>(form, "DigitsNumEdit")->setText("3"); }},
        {nulls, "Not marked on an evaluation neither zeros\rnor extremums of function",
         [&] { extremums->setChecked(true); }},
        {Find<QCheckBox>(form, "UseDerivativeCheckBox"),
         "It is impossible to calculate extremums with\rthe help of analytically obtained "
         "derivative\ras the formula contains nondifferentiable function",
         [&] { Find<QCheckBox>(form, "UseDerivativeCheckBox")->setChecked(false); }},
    };
    Find<QLineEdit>(form, "MinXEdit")->setText("1e3");
    Find<QLineEdit>(form, "MaxXEdit")->setText("2");
    Find<QLineEdit>(form, "StepsNumEdit")->setText("99");
    Find<QLineEdit>(form, "DigitsNumEdit")->setText("6");
    auto* ok = Find<QPushButton>(form, "OKButton");
    for (const auto& step : steps) {
        messages.shown.clear();
        ok->click();
        EXPECT_EQ(messages.shown, QStringList({QString("Error: ") + step.message}));
        QWidget* focused = form.focusWidget();
        EXPECT_TRUE(focused == step.field ||
                    (focused != nullptr && focused->parentWidget() == step.field))
            << step.message;
        EXPECT_TRUE(form.isVisible());
        step.mend();
    }
    messages.shown.clear();
    ok->click();
    EXPECT_TRUE(messages.shown.isEmpty());
    EXPECT_EQ(form.result(), QDialog::Accepted);
    EXPECT_EQ(form.Formula(), "abs(x)");
    EXPECT_EQ(form.Params().MinX, 3);
    EXPECT_EQ(form.Params().MaxX, 5);
    EXPECT_EQ(form.Params().StepsNum, 150);
    EXPECT_EQ(form.Params().DigitsNum, 3);
    EXPECT_TRUE(form.Params().FindExtremums);
    EXPECT_FALSE(form.Params().UseDerivative);
}

// Plays the user through the command's modal windows: each step runs once the window it
// expects is up (and the results window has finished).
class AnalysisCommandTest : public ::testing::Test {
  protected:
    void RunCommand(const std::vector<std::string>& formulas,
                    std::vector<std::function<void(QWidget&)>> user) {
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
        tool.Run(formulas, settings.Analysis);
        EXPECT_EQ(next, user.size());
    }

    ScriptedMessages messages;
    ScriptedDialogs dialogs;
    RecordingFeedback feedback;
    ProgramSettings settings;
    FunctionAnalysisTool tool{nullptr, messages, dialogs, feedback};
};

TEST_F(AnalysisCommandTest, OptionsReturnAfterEveryResultUntilCancelled) {
    settings.Analysis = AnalysisSettings{};
    RunCommand({"x*x-1", "sin(x)"},
               {[](QWidget& options) {
                    EXPECT_EQ(options.windowTitle(), "Analyse Function");
                    auto* box = Find<QComboBox>(options, "FormulaComboBox");
                    ASSERT_EQ(box->count(), 2);
                    EXPECT_EQ(box->itemText(1), "sin(x)");
                    EXPECT_EQ(box->currentText(), "");
                    box->setCurrentIndex(0);
                    Find<QLineEdit>(options, "MaxXEdit")->setText("5");
                    Find<QPushButton>(options, "OKButton")->click();
                },
                [](QWidget& results) {
                    EXPECT_EQ(results.windowTitle(), "Analysis results");
                    EXPECT_EQ(Find<QLineEdit>(results, "FormulaEdit")->text(), "Y(x)=x*x-1");
                    EXPECT_EQ(Text(results, "MaxXLabel"), "Maximum of X = 5");
                    EXPECT_EQ(Find<QLineEdit>(results, "DerivativeEdit")->text(), "Y'(x)=x+x");
                    EXPECT_EQ(Text(results, "NullsLabel"), "Zeroes of function: 2");
                    EXPECT_EQ(Column(results, "NullsStringGrid", 0), QStringList({"-1", "1"}));
                    EXPECT_FALSE(Find<QWidget>(results, "ProgressBar")->isVisible());
                    Find<QPushButton>(results, "CloseButton")->click();
                },
                [](QWidget& options) {
                    // The formula and the parameters of the last analysis are offered again.
                    EXPECT_EQ(Find<QComboBox>(options, "FormulaComboBox")->currentText(), "x*x-1");
                    EXPECT_EQ(Find<QLineEdit>(options, "MaxXEdit")->text(), "5");
                    Find<QPushButton>(options, "CancelButton")->click();
                }});
    EXPECT_EQ(settings.Analysis.MaxX, 5);
    EXPECT_TRUE(messages.shown.isEmpty());
}

class ResearchFormTest : public ::testing::Test {
  protected:
    ScriptedMessages messages;
    ScriptedDialogs dialogs;
    RecordingFeedback feedback;
    AnalysisResultsWindow form{messages, dialogs, feedback, nullptr};
};

TEST_F(ResearchFormTest, CopyAndSaveGiveTheReportInCrLfLines) {
    form.Analyse("x*x-1", AnalysisParams{});
    Find<QPushButton>(form, "CopyButton")->click();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), kSquareReport);

    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    dialogs.names = {dir.filePath("report.txt"), dir.filePath("missing/report.txt"), ""};
    auto* save = Find<QPushButton>(form, "SaveToFileButton");
    for (int i = 0; i < 3; ++i)
        save->click();
    QFile file(dir.filePath("report.txt"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray(kSquareReport));
    EXPECT_EQ(messages.shown, QStringList({"Error: Input-output error"}));
}

TEST_F(ResearchFormTest, EscStopsTheZeroScanAndTheExtremumsAreStillFound) {
    feedback.escAtPoll = 1;
    AnalysisParams params;
    params.UseDerivative = true;
    form.Analyse("x*x-1", params);
    EXPECT_EQ(Text(form, "NullsLabel"), "Zeroes of function: none (interrupted)");
    EXPECT_EQ(Column(form, "NullsStringGrid", 0), QStringList({""}));
    EXPECT_EQ(Text(form, "ExtremumsLabel"), "Extremums: 1");
    EXPECT_EQ(Column(form, "ExtremumsStringGrid", 1), QStringList({"0"}));
    EXPECT_EQ(feedback.polls, 11);  // one look by the zero scan, ten by the extremum scan
    EXPECT_EQ(feedback.events.front(), "busy");
    EXPECT_EQ(feedback.events.back(), "idle");
}

}  // namespace
}  // namespace plotwise
