// The Derivative, Tangent or Normal and Regression windows as the user drives them.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <functional>

#include "../app/app_test_support.h"
#include "../plot/plot_test_support.h"
#include "../widget_application.h"
#include "services/program_settings.h"
#include "tool_windows/derivative_window.h"
#include "tool_windows/regression_window.h"
#include "tool_windows/tangent_window.h"
#include "tools/regression_tool.h"

namespace plotwise {
namespace {

using testing_support::Find;
using testing_support::GraphOfKind;
using testing_support::OnNextModal;
using testing_support::PressKey;
using testing_support::ScriptedMessages;
using testing_support::TableOf;

// Records what a window hands to the properties dialog; the dialog is "cancelled" the
// first cancels times.
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

QString Shown(QWidget& form, const char* name) {
    QWidget* w = Find<QWidget>(form, name);
    if (w == nullptr || !w->isVisible()) return "<hidden>";
    if (auto* edit = qobject_cast<QLineEdit*>(w)) return edit->text();
    return qobject_cast<QLabel*>(w)->text();
}

TEST(DerivativeForm, LinesPerKindAndAGraphAddedAfterACancelledDialog) {
    AddRecorder added;
    DerivativeWindow form(nullptr, added.Callback());
    GraphRecord square = GraphOfKind(kYOfX, "x^2");
    square.Color = 11;
    const std::vector<GraphRecord> graphs = {square, TableOf({{1, 2}}),
                                             GraphOfKind(kParametric, "t^2", "sin(t)")};
    added.cancels = 1;
    added.onCancel = [&] {
        EXPECT_TRUE(form.isVisible());
        Find<QPushButton>(form, "AddFunctionButton")->click();
    };
    OnNextModal<QDialog>([&](QDialog&) {
        auto* box = Find<QComboBox>(form, "FuncComboBox");
        EXPECT_EQ(box->currentIndex(), 2);
        EXPECT_EQ(Shown(form, "FormulaParamXEdit"), "2*t");
        EXPECT_EQ(Shown(form, "FormulaParamYEdit"), "cos(t)");
        EXPECT_EQ(Shown(form, "FormulaYFromXEdit"), "<hidden>");
        box->setCurrentIndex(1);
        EXPECT_EQ(Shown(form, "ErrorEdit"), "Cannot calculate derivative for this graph type");
        EXPECT_FALSE(Find<QPushButton>(form, "AddFunctionButton")->isEnabled());
        box->setCurrentIndex(0);
        EXPECT_EQ(Shown(form, "FormulaYFromXEdit"), "2*x");
        EXPECT_EQ(Shown(form, "ErrorEdit"), "<hidden>");
        Find<QPushButton>(form, "AddFunctionButton")->click();
    });
    form.Execute(graphs, 2);
    ASSERT_EQ(added.records.size(), 2u);
    EXPECT_EQ(added.records[1].Formula().Text(), "2*x");
    EXPECT_EQ(added.records[1].Kind, kYOfX);
    EXPECT_EQ(added.records[1].Color, 11);
    EXPECT_FALSE(form.isVisible());
}

TEST(DerivativeForm, AtTheLimitOnlyTheMessageShowsAndTheWindowStays) {
    AddRecorder added;
    DerivativeWindow form(nullptr, added.Callback());
    added.cancels = 1;
    OnNextModal<QDialog>([&](QDialog&) {
        Find<QPushButton>(form, "AddFunctionButton")->click();
        EXPECT_TRUE(form.isVisible());
    });
    form.Execute(std::vector<GraphRecord>(30, GraphOfKind(kYOfX, "x")), -1);
    EXPECT_EQ(added.records.size(), 1u);
}

class TangentFormTest : public ::testing::Test {
  protected:
    ScriptedMessages messages;
    OptionsRecord options = StandardOptions();
    AddRecorder added;
    TangentWindow form{nullptr, messages, added.Callback()};
};

TEST_F(TangentFormTest, ControlsFollowTheGraphAndValuesAreChecked) {
    const std::vector<GraphRecord> graphs = {
        GraphOfKind(kYOfX, "1/x"), GraphOfKind(kPolarGraph, "1"), GraphOfKind(kEquation, "x-y"),
        GraphOfKind(kXOfY, " ")};
    OnNextModal<QDialog>([&](QDialog&) {
        auto* box = Find<QComboBox>(form, "FuncComboBox");
        EXPECT_EQ(Shown(form, "VarLabel"), "X=");
        EXPECT_EQ(Shown(form, "PiLabel"), "<hidden>");
        box->setCurrentIndex(1);
        EXPECT_EQ(Shown(form, "VarLabel"), "A=");
        EXPECT_EQ(Shown(form, "PiLabel"), "Pi");
        box->setCurrentIndex(2);
        EXPECT_EQ(Shown(form, "VarLabel"), "It is impossible to plot a tangent/normal");
        EXPECT_EQ(Shown(form, "VarEdit"), "<hidden>");
        EXPECT_FALSE(Find<QPushButton>(form, "AddFunctionButton")->isEnabled());
        box->setCurrentIndex(3);
        EXPECT_EQ(Shown(form, "VarLabel"), "Empty formula");
        box->setCurrentIndex(0);
        auto* edit = Find<QLineEdit>(form, "VarEdit");
        auto* add = Find<QPushButton>(form, "AddFunctionButton");
        for (const char* text : {"abc", "1*10^101", "0"}) {
            edit->setText(text);
            add->click();
        }
        Find<QRadioButton>(form, "NormalRadioButton")->setChecked(true);
        add->click();
        EXPECT_EQ(form.focusWidget(), edit);
    });
    form.Execute(graphs, 5, options);
    EXPECT_EQ(messages.shown,
              QStringList({"Error: The value of the variable must be a number",
                           "Error: Too large absolute value of variable",
                           "Error: Error of the determination of the equation of the tangent",
                           "Error: Error of the determination of the equation of the normal"}));
    EXPECT_TRUE(added.records.empty());
}

TEST_F(TangentFormTest, TheLineIsAddedWithTheDefaultStyle) {
    options.GraphDefaults.Style.Color = 13;
    OnNextModal<QDialog>([&](QDialog&) {
        Find<QLineEdit>(form, "VarEdit")->setText("0");
        Find<QPushButton>(form, "AddFunctionButton")->click();
    });
    form.Execute({GraphOfKind(kYOfX, "x"), GraphOfKind(kParametric, "cos(t)", "sin(t)")}, 1,
                 options);
    ASSERT_EQ(added.records.size(), 1u);
    EXPECT_EQ(added.records[0].Kind, kXOfY);
    EXPECT_EQ(added.records[0].Formula().Text(), "0*y+1");
    EXPECT_EQ(added.records[0].Color, 13);
}

class RegressFormTest : public ::testing::Test {
  protected:
    RegressFormTest() { settings.Regression = {1, 2}; }

    QString Text(const char* name) { return Shown(form, name); }

    ScriptedMessages messages;
    OptionsRecord options = StandardOptions();
    ProgramSettings settings;
    AddRecorder added;
    RegressionWindow form{nullptr, messages, added.Callback()};
    std::vector<GraphRecord> graphs = {TableOf({{1, 1}, {1, 2}}), GraphOfKind(kYOfX, "x"),
                                       TableOf({{1, 3}, {2, 5}, {3, 7}, {4, 17}})};
};

TEST_F(RegressFormTest, EveryChangeRecomputesAndTheSettingsFollow) {
    OnNextModal<QDialog>([&](QDialog&) {
        auto* box = Find<QComboBox>(form, "TableComboBox");
        EXPECT_EQ(box->count(), 2);
        EXPECT_EQ(box->currentIndex(), 1);  // the toolbar's table
        EXPECT_TRUE(Find<QRadioButton>(form, "LineRadioButton")->isChecked());
        EXPECT_EQ(Text("FormulaEdit"), "4.4*x-3");
        EXPECT_EQ(Text("RSquaredLabel"), "R^2=0.8344828");
        Find<QRadioButton>(form, "PolynomRadioButton")->click();
        EXPECT_EQ(settings.Regression.RegressionType, kPolynomial);
        EXPECT_EQ(Text("FormulaEdit").count('x'), 2);
        auto* power = Find<QLineEdit>(form, "PolynomPowerEdit");
        power->setText("3");
        PressKey(power, Qt::Key_Return);
        EXPECT_EQ(settings.Regression.PolynomPower, 3);
        EXPECT_EQ(Text("FormulaEdit").count('x'), 3);
        EXPECT_EQ(Text("SquareLabel").left(27), "Root-mean-square deviation=");
        Find<QRadioButton>(form, "LineRadioButton")->click();
        power->setText("10");
        PressKey(power, Qt::Key_Return);
        EXPECT_EQ(form.focusWidget(), power);
        EXPECT_EQ(settings.Regression.PolynomPower, 3);
        power->setText("2");
        PressKey(power, Qt::Key_Return);  // a valid degree picks the polynomial family
        EXPECT_TRUE(Find<QRadioButton>(form, "PolynomRadioButton")->isChecked());
        EXPECT_EQ(settings.Regression.RegressionType, kPolynomial);
        box->setCurrentIndex(0);
        EXPECT_EQ(Text("SquareLabel"), "Not enough numbers for regression");
        EXPECT_EQ(Text("FormulaEdit"), "");
        EXPECT_FALSE(Find<QPushButton>(form, "AddFunctionButton")->isEnabled());
    });
    form.Execute(graphs, 2, options, settings.Regression);
    EXPECT_EQ(messages.shown,
              QStringList({"Error: The power of polynomial must be\ran integer from 2 up to 9"}));
}

}  // namespace
}  // namespace plotwise
