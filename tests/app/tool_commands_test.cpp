// The Calculus menu opens its windows with the active document's Y(x) formulas.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QTimer>

#include "calc_form.h"
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

}  // namespace
}  // namespace plotwise
