// The Definite Integral and Calculator windows as the user drives them.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <functional>

#include "../app/app_test_support.h"
#include "../plot/recording_feedback.h"
#include "../widget_application.h"
#include "services/program_settings.h"
#include "tool_windows/calculator_window.h"
#include "tool_windows/integral_window.h"

namespace plotwise {
namespace {

using testing_support::Find;
using testing_support::Items;
using testing_support::RecordingFeedback;
using testing_support::ScriptedMessages;

class IntegralFormTest : public ::testing::Test {
  protected:
    IntegralFormTest() { settings.Integrate = {0, 3, 10, false}; }

    // Opens the window, lets the user act inside its modal loop, then cancels.
    void Execute(const std::vector<std::string>& formulas, const std::function<void()>& act) {
        QTimer::singleShot(0, &form, [this, act] {
            act();
            EXPECT_TRUE(form.isVisible());
            Button("CancelButton")->click();
        });
        form.Execute(formulas, settings.Integrate);
    }

    QComboBox* Box(const char* name) { return Find<QComboBox>(form, name); }
    QLineEdit* Edit(const char* name) { return Find<QLineEdit>(form, name); }
    QPushButton* Button(const char* name) { return Find<QPushButton>(form, name); }
    QString Result() { return Edit("ResultEdit")->text(); }

    ScriptedMessages messages;
    RecordingFeedback feedback;
    ProgramSettings settings;
    IntegralWindow form{nullptr, messages, feedback};
};

TEST_F(IntegralFormTest, EachOpeningRefillsTheListsAndKeepsTheFormulas) {
    settings.Integrate.AbsIntegrate = true;
    Execute({"x*x", "sin(x)"}, [this] {
        EXPECT_EQ(Items(Box("Formula1ComboBox")), QStringList({"0", "x*x", "sin(x)"}));
        EXPECT_EQ(Box("Formula1ComboBox")->currentText(), "0");
        EXPECT_EQ(Edit("MaxXEdit")->text(), "3");
        EXPECT_EQ(Edit("StepsNumEdit")->text(), "10");
        EXPECT_TRUE(Find<QCheckBox>(form, "AbsIntegrateCheckBox")->isChecked());
        Box("Formula1ComboBox")->setEditText("x^3");
        Button("OKButton")->click();
        EXPECT_EQ(Result(), "20.25");
    });
    settings.Integrate.MaxX = 2.5L;
    Execute({"cos(x)"}, [this] {
        EXPECT_EQ(Items(Box("Formula1ComboBox")), QStringList({"0", "cos(x)"}));
        EXPECT_EQ(Box("Formula1ComboBox")->currentText(), "x^3");
        EXPECT_EQ(Edit("MaxXEdit")->text(), "2.5");
        EXPECT_EQ(Result(), "");
    });
}

TEST_F(IntegralFormTest, CalculateShowsTheResultAndStoresTheSettingsEvenAfterAFailure) {
    Execute({}, [this] {
        Box("Formula2ComboBox")->setEditText("x*x");
        Button("OKButton")->click();
        EXPECT_EQ(Result(), "-9");
        Box("Formula2ComboBox")->setEditText("1/x");
        Edit("MinXEdit")->setText("-1");
        Edit("MaxXEdit")->setText("1");
        Edit("StepsNumEdit")->setText("12");
        Find<QCheckBox>(form, "AbsIntegrateCheckBox")->setChecked(true);
        Button("OKButton")->click();
        EXPECT_EQ(Result(), "Error at function evaluation");
        feedback.escAtPoll = feedback.polls + 3;
        Box("Formula2ComboBox")->setEditText("x");
        Button("OKButton")->click();
        EXPECT_EQ(Result(), "Calculation interrupted");
    });
    EXPECT_TRUE(messages.shown.isEmpty());
    EXPECT_EQ(settings.Integrate.MinX, -1);
    EXPECT_EQ(settings.Integrate.MaxX, 1);
    EXPECT_EQ(settings.Integrate.StepsNum, 12);
    EXPECT_TRUE(settings.Integrate.AbsIntegrate);
    // Esc is heard only while the cursor shows the computation.
    EXPECT_EQ(feedback.events,
              std::vector<std::string>({"busy", "idle", "busy", "idle", "busy", "idle"}));
}

TEST_F(IntegralFormTest, AFailedCheckIsShownAndFocusedAndNothingIsStored) {
    Execute({}, [this] {
        Box("Formula1ComboBox")->setEditText("x");
        Edit("StepsNumEdit")->setText("9");
        Edit("MaxXEdit")->setText("7");
        Button("OKButton")->click();
        EXPECT_EQ(form.focusWidget(), Edit("StepsNumEdit"));
        Box("Formula2ComboBox")->setEditText("y");
        Button("OKButton")->click();
        EXPECT_EQ(form.focusWidget(), Box("Formula2ComboBox"));
    });
    EXPECT_EQ(messages.shown,
              QStringList({"Error: The number of steps must be\ran integer from 10 up to 2000",
                           "Error: Error 1: syntax error"}));
    EXPECT_TRUE(feedback.events.empty());
    EXPECT_EQ(settings.Integrate.MaxX, 3);
}

class CalcFormTest : public ::testing::Test {
  protected:
    QLineEdit* Edit(const char* name) { return Find<QLineEdit>(form, name); }
    void Calculate() { Find<QPushButton>(form, "CalcButton")->click(); }
    void Activate() {
        QEvent activate(QEvent::WindowActivate);
        QApplication::sendEvent(&form, &activate);
    }

    ScriptedMessages messages;
    CalculatorWindow form{nullptr, messages};
};

TEST_F(CalcFormTest, CalculateChecksTheFieldsInOrder) {
    form.ShowCalculator();
    Edit("FormulaEdit")->setText("x^2+1");
    Edit("VariableValueEdit")->setText("3");
    Calculate();
    EXPECT_EQ(Edit("ResultEdit")->text(), "10");

    const struct {
        const char* name;
        const char* value;
        const char* focused;
        const char* message;
    } failures[] = {
        {"", "3", "VariableNameEdit",
         "Error: The name of the variable must\rbe a letter of the latin alphabet"},
        {"X", "x", "VariableValueEdit", "Error: The value of the variable must be a number"},
        {"t", "3", "FormulaEdit", "Error: Error 1: syntax error"},
    };
    for (const auto& f : failures) {
        messages.shown.clear();
        Edit("VariableNameEdit")->setText(f.name);
        Edit("VariableValueEdit")->setText(f.value);
        Calculate();
        EXPECT_EQ(messages.shown, QStringList(f.message));
        EXPECT_EQ(form.focusWidget(), Edit(f.focused));
        EXPECT_EQ(Edit("ResultEdit")->text(), "");
        EXPECT_TRUE(form.isVisible());
    }
    form.hide();
}

TEST_F(CalcFormTest, EveryActivationRecomputesSilently) {
    EXPECT_EQ(Edit("VariableNameEdit")->text(), "X");
    EXPECT_EQ(Edit("VariableValueEdit")->text(), "0");
    Edit("FormulaEdit")->setText("1/3+x");
    form.ShowCalculator();
    EXPECT_EQ(Edit("ResultEdit")->text(), "0.3333333333");
    Edit("VariableNameEdit")->setText("t");
    Edit("FormulaEdit")->setText("sin(t)");
    Activate();
    EXPECT_EQ(Edit("ResultEdit")->text(), "0");
    Edit("FormulaEdit")->setText("1/t");
    Activate();
    EXPECT_EQ(Edit("ResultEdit")->text(), "Error");
    Edit("FormulaEdit")->setText("");
    Activate();
    EXPECT_EQ(Edit("ResultEdit")->text(), "");
    EXPECT_TRUE(messages.shown.isEmpty());
    form.hide();
}

}  // namespace
}  // namespace plotwise
