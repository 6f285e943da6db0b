// The Calculus menu opens its windows with the active document's Y(x) formulas.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <functional>

#include "calc_form.h"
#include "graph_toolbar.h"
#include "main_form_fixture.h"
#include "new_graph.h"

namespace plotwise {
namespace {

using testing_support::MainFormTest;

// The items of the named combo box in the modal window the command opens; it is then closed.
QStringList OfferedBy(TMainForm& form, TCommand command, const char* comboName) {
    QStringList items;
    QTimer::singleShot(0, [&] {
        auto* window = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(window, nullptr);
        if (auto* box = window->findChild<QComboBox*>(comboName))
            for (int i = 0; i < box->count(); ++i)
                items << box->itemText(i);
        window->reject();
    });
    form.RunCommand(command);
    return items;
}

TEST_F(MainFormTest, CalculusWindowsOfferTheDocumentsFunctions) {
    Start();
    TGraphicsManager& document = form->ActiveDocument()->Document();
    const char* formulas[] = {"x^2", " ", "sin(x)"};  // the blank one is no function
    for (const char* f : formulas) {
        TFunctionProps props = NewGraphRecord(StandardOptions());
        props.FuncStyle = fsYFromX;
        props.Formula().SetText(f);
        document.AddGraph(props);
    }
    TFunctionProps other = NewGraphRecord(StandardOptions());
    other.FuncStyle = fsXFromY;
    other.Formula().SetText("y");
    document.AddGraph(other);

    EXPECT_EQ(OfferedBy(*form, TCommand::AnalyseFunction, "FormulaComboBox"),
              QStringList({"x^2", "sin(x)"}));
    EXPECT_EQ(OfferedBy(*form, TCommand::Integration, "Formula1ComboBox"),
              QStringList({"0", "x^2", "sin(x)"}));
    form->RunCommand(TCommand::Calculator);
    auto* calculator = form->findChild<TCalcForm*>();
    ASSERT_NE(calculator, nullptr);
    EXPECT_TRUE(calculator->isVisible());
    EXPECT_FALSE(calculator->isModal());
}

// Runs command; inside the modal window it opens, act, then press "Add Graph".
void AddThrough(TMainForm& form, TCommand command, const std::function<void(QDialog&)>& act) {
    QTimer::singleShot(0, [&] {
        auto* window = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(window, nullptr);
        act(*window);
        window->findChild<QPushButton*>("AddFunctionButton")->click();
    });
    form.RunCommand(command);
}

TEST_F(MainFormTest, DerivativeTangentAndRegressionAddTheirGraphs) {
    Start();
    form->GraphEditor = [](TFunctionProps&, const QString& caption, TPropsPage) {
        return caption == "Add Graph";
    };
    TGraphicsManager& document = form->ActiveDocument()->Document();
    TFunctionProps square = NewGraphRecord(StandardOptions());
    square.FuncStyle = fsYFromX;
    square.Formula().SetText("x^2");
    document.AddGraph(square);
    form->RebuildGraphsList();
    EXPECT_TRUE(form->Action(TCommand::Regression)->isEnabled());
    form->RunCommand(TCommand::Regression);
    EXPECT_EQ(messages.shown, QStringList({"Error: There is no graph determined by table"}));

    TFunctionProps table = NewGraphRecord(StandardOptions());
    table.FuncStyle = fsTable;
    SetNewProps(table, StandardOptions());
    const long double rows[][2] = {{3, 7}, {1, 3}, {2, 5}};
    for (int k = 0; k < 3; ++k) {
        table.Body.Table[k].X = rows[k][0];
        table.Body.Table[k].Y = rows[k][1];
    }
    document.AddGraph(table);
    form->RebuildGraphsList();
    QComboBox* list = form->GraphToolbar()->FuncComboBox;
    list->setCurrentIndex(1);
    AddThrough(*form, TCommand::Regression, [](QDialog&) {});
    // The toolbar's graph is where the Derivative and Tangent windows start.
    list->setCurrentIndex(0);
    AddThrough(*form, TCommand::Derivative, [](QDialog& w) {
        EXPECT_EQ(w.findChild<QComboBox*>("FuncComboBox")->currentIndex(), 0);
    });
    list->setCurrentIndex(0);
    AddThrough(*form, TCommand::TangentNormal,
               [](QDialog& w) { w.findChild<QLineEdit*>("VarEdit")->setText("1"); });
    QStringList formulas;
    for (const auto& graph : document.Graphs)
        formulas << QString::fromStdString(graph->Props.Formula().Text());
    EXPECT_EQ(formulas.mid(2), QStringList({"2*x+1", "2*x", "2*x-1"}));
    EXPECT_EQ(messages.shown.size(), 1);
}

}  // namespace
}  // namespace plotwise
