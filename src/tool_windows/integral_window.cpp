#include "tool_windows/integral_window.h"

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
#include "plot/feedback.h"
#include "plot/record_text.h"
#include "services/field_text.h"
#include "services/help_context.h"
#include "services/messages.h"
#include "services/program_settings.h"
#include "tool_windows/form_widgets.h"

namespace plotwise {
namespace {

constexpr int kFormulaWidth = 320;

QComboBox* NewFormulaBox(const char* name, QWidget* parent) {
    QComboBox* box = NewFormulaComboBox(name, kFormulaWidth, parent);
    box->addItem("0");
    return box;
}

}  // namespace

IntegralWindow::IntegralWindow(QWidget* parent, Messages& messages, Feedback& feedback)
    : QDialog(parent), messages_(messages), feedback_(feedback) {
    setWindowTitle("Definite Integral");
    SetHelpContext(this, 29);

    auto* parameters = new QGroupBox("Parameters", this);
    formula1_ = NewFormulaBox("Formula1ComboBox", parameters);
    formula2_ = NewFormulaBox("Formula2ComboBox", parameters);
    minX_ = NewNumberEdit("MinXEdit", parameters);
    maxX_ = NewNumberEdit("MaxXEdit", parameters);
    stepsNum_ = NewNumberEdit("StepsNumEdit", parameters);
    absIntegrate_ = new QCheckBox("Integration of Absolute Value (Square)", parameters);
    absIntegrate_->setObjectName("AbsIntegrateCheckBox");
    auto* fields = new QFormLayout(parameters);
    fields->setLabelAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    fields->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);
    fields->addRow("Between: Y(x)=", formula1_);
    fields->addRow("and Y(x)=", formula2_);
    fields->addRow("Minimum of X", minX_);
    fields->addRow("Maximum of X", maxX_);
    fields->addRow("Number of Integration Steps", stepsNum_);
    fields->addRow(absIntegrate_);

    result_ = new QLineEdit(this);
    result_->setObjectName("ResultEdit");
    result_->setReadOnly(true);
    auto* resultLabel = new QLabel("Result", this);
    resultLabel->setBuddy(result_);

    auto* calculate = new QPushButton("Calculate", this);
    calculate->setObjectName("OKButton");
    calculate->setDefault(true);
    connect(calculate, &QPushButton::clicked, this, &IntegralWindow::OnCalculate);
    QHBoxLayout* buttons = NewButtonRow(this, calculate);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(parameters);
    layout->addWidget(resultLabel);
    layout->addWidget(result_);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void IntegralWindow::Execute(const std::vector<std::string>& graphFormulas,
                             IntegralSettings& settings, Notation notation,
                             const std::string& start) {
    settings_ = &settings;
    notation_ = notation;
    Activate(graphFormulas);
    // As the list's item, so that Enter in the box keeps it.
    if (const int item = formula1_->findText(FromRecordText(start)); !start.empty() && item >= 0)
        formula1_->setCurrentIndex(item);
    exec();
    settings_ = nullptr;
}

void IntegralWindow::Activate(const std::vector<std::string>& graphFormulas) {
    for (QComboBox* box : {formula1_, formula2_}) {
        const QString typed = box->currentText();
        box->clear();
        box->addItem("0");
        for (const std::string& formula : graphFormulas)
            box->addItem(FromRecordText(formula));
        box->setEditText(typed);
    }
    const IntegralSettings& settings = *settings_;
    minX_->setText(FromRecordText(NumToStr(settings.MinX)));
    maxX_->setText(FromRecordText(NumToStr(settings.MaxX)));
    stepsNum_->setText(QString::number(settings.StepsNum));
    absIntegrate_->setChecked(settings.AbsIntegrate);
    result_->clear();
    formula1_->setFocus();
}

void IntegralWindow::done(int result) {
    if (ShowOverlay) ShowOverlay({});
    QDialog::done(result);
}

QWidget* IntegralWindow::FieldWidget(IntegralField field) const {
    switch (field) {
        case IntegralField::Formula1:
            return formula1_;
        case IntegralField::Formula2:
            return formula2_;
        case IntegralField::MinX:
            return minX_;
        case IntegralField::MaxX:
            return maxX_;
        case IntegralField::StepsNum:
            return stepsNum_;
        case IntegralField::None:
            break;
    }
    return nullptr;
}

void IntegralWindow::OnCalculate() {
    const std::string formulas[] = {FieldText(formula1_->currentText()),
                                    FieldText(formula2_->currentText())};
    const IntegralCheck check = CheckIntegralInput(
        formulas[0], formulas[1], FieldText(minX_->text()), FieldText(maxX_->text()),
        FieldText(stepsNum_->text()), absIntegrate_->isChecked(), notation_);
    if (check.field != IntegralField::None) {
        const bool second = check.field == IntegralField::Formula2;
        messages_.Error(FieldMessage(check.message, formulas[second ? 1 : 0], check.spot));
        if (check.field == IntegralField::Formula1 || second)
            FocusSpot((second ? formula2_ : formula1_)->lineEdit(), check.spot);
        else if (QWidget* field = FieldWidget(check.field))
            field->setFocus();
        return;
    }
    // What was read shows in the fields.
    const std::pair<QLineEdit*, const std::string*> read[] = {
        {formula1_->lineEdit(), &check.params.formula1},
        {formula2_->lineEdit(), &check.params.formula2},
        {minX_, &check.minText},
        {maxX_, &check.maxText}};
    for (const auto& [edit, text] : read) {
        if (FieldText(edit->text()) != *text) edit->setText(FromFieldText(*text));
    }
    feedback_.SetBusy(true);
    const IntegralResult result =
        IntegrateSimpson(check.params, [this] { return feedback_.EscPressed(); });
    feedback_.SetBusy(false);
    result_->setText(FromRecordText(IntegralResultText(result)));
    PlotOverlay band;
    if (result.outcome == IntegralOutcome::Done) {
        band.shade = IntegralBand(check.params);
        band.formula = check.params.formula1;
    }
    if (ShowOverlay) ShowOverlay(band);

    // Kept even when the calculation failed or was interrupted.
    if (settings_ == nullptr) return;
    settings_->MinX = check.params.minX;
    settings_->MaxX = check.params.maxX;
    settings_->StepsNum = check.params.stepsNum;
    settings_->AbsIntegrate = check.params.absIntegrate;
}

}  // namespace plotwise
