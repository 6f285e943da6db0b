// The Calculus menu opens its windows with the active document's Y(x) formulas, and the
// Trace button keeps its cross over the document's picture until the Trace window closes.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <functional>

#include "../plot/plot_test_support.h"
#include "app/graph_toolbar.h"
#include "main_window_fixture.h"
#include "tool_windows/calculator_window.h"

namespace plotwise {
namespace {

using testing_support::GraphOfKind;
using testing_support::Items;
using testing_support::MainFormTest;
using testing_support::OnNextModal;
using testing_support::TableOf;

// The items of the named combo box in the modal window the command opens; it is then closed.
QStringList OfferedBy(MainWindow& form, Command command, const char* comboName) {
    QStringList items;
    OnNextModal<QDialog>([&](QDialog& window) {
        if (auto* box = window.findChild<QComboBox*>(comboName)) items = Items(box);
    });
    form.RunCommand(command);
    return items;
}

TEST_F(MainFormTest, CalculusWindowsOfferTheDocumentsFunctions) {
    Start();
    Document& document = form->ActiveDocument()->Doc();
    for (const char* f : {"x^2", " ", "sin(x)"})  // the blank one is no function
        document.AddGraph(GraphOfKind(kYOfX, f));
    document.AddGraph(GraphOfKind(kXOfY, "y"));

    EXPECT_EQ(OfferedBy(*form, Command::AnalyseFunction, "FormulaComboBox"),
              QStringList({"x^2", "sin(x)"}));
    EXPECT_EQ(OfferedBy(*form, Command::Integration, "Formula1ComboBox"),
              QStringList({"0", "x^2", "sin(x)"}));
    form->RunCommand(Command::Calculator);
    auto* calculator = form->findChild<CalculatorWindow*>();
    ASSERT_NE(calculator, nullptr);
    EXPECT_TRUE(calculator->isVisible());
    EXPECT_FALSE(calculator->isModal());
}

// Runs command; inside the modal window it opens, act, then press "Add Graph".
void AddThrough(MainWindow& form, Command command, const std::function<void(QDialog&)>& act) {
    OnNextModal<QDialog>([&](QDialog& window) {
        act(window);
        window.findChild<QPushButton*>("AddFunctionButton")->click();
    });
    form.RunCommand(command);
}

TEST_F(MainFormTest, DerivativeTangentAndRegressionAddTheirGraphs) {
    Start();
    form->GraphCommands().GraphEditor = [](GraphRecord&, const QString& caption, GraphPage) {
        return caption == "Add Graph";
    };
    Document& document = form->ActiveDocument()->Doc();
    document.AddGraph(GraphOfKind(kYOfX, "x^2"));
    EXPECT_TRUE(form->Action(Command::Regression)->isEnabled());
    form->RunCommand(Command::Regression);
    EXPECT_EQ(messages.shown, QStringList({"Error: There is no graph determined by table"}));

    document.AddGraph(TableOf({{3, 7}, {1, 3}, {2, 5}}));
    QComboBox* list = form->GraphBar()->GraphList;
    list->setCurrentIndex(1);
    AddThrough(*form, Command::Regression, [](QDialog&) {});
    // The toolbar's graph is where the Derivative and Tangent windows start.
    list->setCurrentIndex(0);
    AddThrough(*form, Command::Derivative, [](QDialog& w) {
        EXPECT_EQ(w.findChild<QComboBox*>("FuncComboBox")->currentIndex(), 0);
    });
    list->setCurrentIndex(0);
    AddThrough(*form, Command::TangentNormal,
               [](QDialog& w) { w.findChild<QLineEdit*>("VarEdit")->setText("1"); });
    QStringList formulas;
    for (const auto& graph : document.Graphs())
        formulas << QString::fromStdString(graph->Record().Formula().Text());
    EXPECT_EQ(formulas.mid(2), QStringList({"2*x+1", "2*x", "2*x-1"}));
    EXPECT_EQ(messages.shown.size(), 1);
}

TEST_F(MainFormTest, TraceMarksThePointUntilTheWindowCloses) {
    Start();
    DocumentWindow* child = form->ActiveDocument();
    Document& document = child->Doc();
    document.AddGraph(GraphOfKind(kYOfX, "x/2"));
    document.CalculateGraphs();
    EXPECT_TRUE(form->Action(Command::Trace)->isEnabled());
    child->RedrawPicture();
    const QImage plain = child->Picture().copy();

    bool traced = false;
    OnNextModal<QDialog>([&](QDialog& window) {
        window.findChild<QScrollBar*>("TraceScrollBar")->setValue(151);  // (5, 2.5)
        EXPECT_TRUE(child->TracePointer().Visible());
        const QImage marked = child->Picture().copy();
        EXPECT_NE(marked, plain);
        child->RedrawPicture();  // as a resize does
        EXPECT_EQ(child->Picture(), marked);
        document.DrawGraph(document.GraphAt(0));  // drawn over: the cross stays on top
        EXPECT_EQ(child->Picture(), marked);
        traced = true;
    });
    form->RunCommand(Command::Trace);
    EXPECT_TRUE(traced);
    EXPECT_FALSE(child->TracePointer().Visible());
    EXPECT_EQ(child->Picture(), plain);
}

}  // namespace
}  // namespace plotwise
