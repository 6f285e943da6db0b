#include "tool_windows/analysis_options_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "formula/number_text.h"
#include "plot/record_text.h"
#include "services/field_text.h"
#include "services/help_context.h"
#include "services/messages.h"
#include "tool_windows/form_widgets.h"

namespace plotwise {
namespace {

QCheckBox* NewCheckBox(const char* text, const char* name, QWidget* parent) {
    auto* box = new QCheckBox(text, parent);
    box->setObjectName(name);
    return box;
}

}  // namespace

AnalysisOptionsDialog::AnalysisOptionsDialog(Messages& messages, QWidget* parent)
    : QDialog(parent), messages_(messages) {
    setWindowTitle("Analyse Function");
    SetHelpContext(this, 23);

    formulaBox_ = NewFormulaComboBox("FormulaComboBox", 360, this);
    auto* formulaLabel = new QLabel("Y(x)=", this);
    formulaLabel->setBuddy(formulaBox_);

    auto* calculations = new QGroupBox("Calculations", this);
    nullsCheck_ = NewCheckBox("Zeroes of Function", "NullsCheckBox", calculations);
    extremumsCheck_ = NewCheckBox("Extremums", "ExtremumsCheckBox", calculations);
    auto* checks = new QVBoxLayout(calculations);
    checks->addWidget(nullsCheck_);
    checks->addWidget(extremumsCheck_);
    checks->addStretch();

    auto* parameters = new QGroupBox("Analysis Parameters", this);
    minXEdit_ = NewNumberEdit("MinXEdit", parameters);
    maxXEdit_ = NewNumberEdit("MaxXEdit", parameters);
    stepsNumEdit_ = NewNumberEdit("StepsNumEdit", parameters);
    digitsNumEdit_ = NewNumberEdit("DigitsNumEdit", parameters);
    useDerivativeCheck_ = NewCheckBox("Use Derivative", "UseDerivativeCheckBox", parameters);
    auto* fields = new QFormLayout(parameters);
    fields->addRow("Minimum X", minXEdit_);
    fields->addRow("Maximum X", maxXEdit_);
    fields->addRow("Number of Steps", stepsNumEdit_);
    fields->addRow("Accuracy (Decimal Signs)", digitsNumEdit_);
    fields->addRow(useDerivativeCheck_);

    auto* okButton = new QPushButton("OK", this);
    okButton->setObjectName("OKButton");
    okButton->setDefault(true);
    connect(okButton, &QPushButton::clicked, this, &AnalysisOptionsDialog::OnOK);

    auto* formulaRow = new QHBoxLayout;
    formulaRow->addWidget(formulaLabel);
    formulaRow->addWidget(formulaBox_, 1);
    auto* groups = new QHBoxLayout;
    groups->addWidget(calculations);
    groups->addWidget(parameters, 1);
    QHBoxLayout* buttons = NewButtonRow(this, okButton);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(formulaRow);
    layout->addLayout(groups);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    QWidget* order[] = {formulaBox_,     nullsCheck_,
                        extremumsCheck_, minXEdit_,
                        maxXEdit_,       stepsNumEdit_,
                        digitsNumEdit_,  useDerivativeCheck_,
                        okButton,        findChild<QPushButton*>("CancelButton")};
    for (std::size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);
}

void AnalysisOptionsDialog::SetFormulas(const std::vector<std::string>& formulas) {
    const QString text = formulaBox_->currentText();
    formulaBox_->clear();
    for (const std::string& formula : formulas)
        formulaBox_->addItem(FromRecordText(formula));
    formulaBox_->setEditText(text);
}

void AnalysisOptionsDialog::SetFields(const std::string& formula, const AnalysisParams& params) {
    formulaBox_->setEditText(FromRecordText(formula));
    nullsCheck_->setChecked(params.FindZeroes);
    extremumsCheck_->setChecked(params.FindExtremums);
    minXEdit_->setText(FromRecordText(NumToStr(params.MinX)));
    maxXEdit_->setText(FromRecordText(NumToStr(params.MaxX)));
    stepsNumEdit_->setText(QString::number(params.StepsNum));
    digitsNumEdit_->setText(QString::number(params.DigitsNum));
    useDerivativeCheck_->setChecked(params.UseDerivative);
    formulaBox_->setFocus();
}

QWidget* AnalysisOptionsDialog::FieldWidget(AnalysisField field) const {
    switch (field) {
        case AnalysisField::None:
            return nullptr;
        case AnalysisField::Formula:
            return formulaBox_;
        case AnalysisField::MinX:
            return minXEdit_;
        case AnalysisField::MaxX:
            return maxXEdit_;
        case AnalysisField::StepsNum:
            return stepsNumEdit_;
        case AnalysisField::DigitsNum:
            return digitsNumEdit_;
        case AnalysisField::Nulls:
            return nullsCheck_;
        case AnalysisField::UseDerivative:
            return useDerivativeCheck_;
    }
    return nullptr;
}

void AnalysisOptionsDialog::OnOK() {
    AnalysisInput input;
    input.formula = FieldText(formulaBox_->currentText());
    input.minX = FieldText(minXEdit_->text());
    input.maxX = FieldText(maxXEdit_->text());
    input.stepsNum = FieldText(stepsNumEdit_->text());
    input.digitsNum = FieldText(digitsNumEdit_->text());
    input.findZeroes = nullsCheck_->isChecked();
    input.findExtremums = extremumsCheck_->isChecked();
    input.useDerivative = useDerivativeCheck_->isChecked();
    const AnalysisCheck check = CheckAnalysisInput(input, notation_);
    if (check.field != AnalysisField::None) {
        messages_.Error(FieldMessage(check.message, input.formula, check.spot));
        if (check.field == AnalysisField::Formula)
            FocusSpot(formulaBox_->lineEdit(), check.spot);
        else if (QWidget* field = FieldWidget(check.field))
            field->setFocus();
        return;
    }
    formula_ = check.read.formula;
    params_ = check.params;
    accept();
}

}  // namespace plotwise
