#include "tool_windows/calculator_window.h"

#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "plot/record_text.h"
#include "services/field_text.h"
#include "services/help_context.h"
#include "services/messages.h"

namespace plotwise {
namespace {

constexpr int kFormulaMaxLength = 250;
constexpr int kFormulaWidth = 320;
constexpr int kNameEditWidth = 30;

QLineEdit* NewEdit(const char* name, QWidget* parent) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(name);
    return edit;
}

QLabel* NewLabel(const char* text, QWidget* buddy, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setBuddy(buddy);
    return label;
}

std::string TextOf(const QLineEdit* edit) {
    return FieldText(edit->text());
}

// Shows what a field was read as, leaving a field that reads as typed alone.
void ShowRead(QLineEdit* edit, const std::string& read) {
    if (TextOf(edit) != read) edit->setText(FromFieldText(read));
}

}  // namespace

CalculatorWindow::CalculatorWindow(QWidget* parent, Messages& messages)
    : QDialog(parent), messages_(messages) {
    setWindowTitle("Calculator");
    SetHelpContext(this, 25);
    setModal(false);

    formula_ = NewEdit("FormulaEdit", this);
    formula_->setMaxLength(kFormulaMaxLength);
    formula_->setMinimumWidth(kFormulaWidth);
    variableName_ = NewEdit("VariableNameEdit", this);
    variableName_->setMaxLength(1);
    variableName_->setFixedWidth(kNameEditWidth);
    variableName_->setAlignment(Qt::AlignCenter);
    variableName_->setText("X");
    variableValue_ = NewEdit("VariableValueEdit", this);
    variableValue_->setText("0");
    result_ = NewEdit("ResultEdit", this);
    result_->setReadOnly(true);
    auto* calculate = new QPushButton("Calculate", this);
    calculate->setObjectName("CalcButton");
    calculate->setDefault(true);
    connect(calculate, &QPushButton::clicked, this, [this] { Calculate(false); });

    auto* grid = new QGridLayout(this);
    grid->addWidget(NewLabel("Formula", formula_, this), 0, 0);
    grid->addWidget(formula_, 0, 1, 1, 4);
    grid->addWidget(NewLabel("Variable", variableName_, this), 1, 0);
    grid->addWidget(variableName_, 1, 1);
    grid->addWidget(new QLabel("=", this), 1, 2);
    grid->addWidget(variableValue_, 1, 3);
    grid->addWidget(NewLabel("Result", result_, this), 2, 0);
    grid->addWidget(result_, 2, 1, 1, 3);
    grid->addWidget(calculate, 2, 4);
    grid->setColumnStretch(3, 1);
    grid->setSizeConstraint(QLayout::SetFixedSize);
}

void CalculatorWindow::ShowCalculator() {
    show();
    raise();
    activateWindow();
    // Activation may come late or, when the window is active already, not at all.
    Calculate(true);
}

bool CalculatorWindow::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate) Calculate(true);
    return QDialog::event(event);
}

void CalculatorWindow::Calculate(bool silent) {
    result_->clear();
    const std::string formula = TextOf(formula_);
    const std::string name = TextOf(variableName_);
    const CalculatorCheck check = CheckCalculatorInput(
        formula, name, TextOf(variableValue_), FieldNotation ? FieldNotation() : Notation::Strict);
    if (check.field == CalculatorField::None) {
        if (!silent) {
            ShowRead(formula_, check.formula);
            ShowRead(variableValue_, check.valueText);
        }
        result_->setText(FromRecordText(GetResultString(check.formula, name, check.value)));
    } else if (!silent) {
        messages_.Error(FieldMessage(check.message, formula, check.spot));
        FocusSpot(FieldWidget(check.field), check.spot);
    }
}

QLineEdit* CalculatorWindow::FieldWidget(CalculatorField field) const {
    switch (field) {
        case CalculatorField::VariableName:
            return variableName_;
        case CalculatorField::VariableValue:
            return variableValue_;
        case CalculatorField::Formula:
        case CalculatorField::None:
            break;
    }
    return formula_;
}

}  // namespace plotwise
