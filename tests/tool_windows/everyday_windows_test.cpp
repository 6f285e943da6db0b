// Everyday notation in the tool windows: the fields show what was read, and an error is
// selected where it is.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPushButton>

#include "../app/app_test_support.h"
#include "../widget_application.h"
#include "tool_windows/calculator_window.h"

namespace plotwise {
namespace {

using testing_support::Find;

TEST(EverydayWindows, TheCalculatorShowsWhatItReadAndWhereItFailed) {
    testing_support::ScriptedMessages messages;
    CalculatorWindow form(nullptr, messages);
    form.FieldNotation = [] { return Notation::Everyday; };
    form.ShowCalculator();
    auto* formula = Find<QLineEdit>(form, "FormulaEdit");
    auto* value = Find<QLineEdit>(form, "VariableValueEdit");
    formula->setText("2x");
    value->setText("pi/2");
    Find<QPushButton>(form, "CalcButton")->click();
    EXPECT_EQ(Find<QLineEdit>(form, "ResultEdit")->text(), "3.1415926");
    EXPECT_EQ(formula->text(), "2*x");
    EXPECT_EQ(value->text(), "1.5707963");
    formula->setText("sin(√x");
    Find<QPushButton>(form, "CalcButton")->click();
    EXPECT_EQ(messages.shown, QStringList("Error: Error 3: not enough ')' \rat the end"));
    EXPECT_EQ(formula->cursorPosition(), 6);
    EXPECT_EQ(formula->text(), "sin(√x");
    form.hide();
}

}  // namespace
}  // namespace plotwise
