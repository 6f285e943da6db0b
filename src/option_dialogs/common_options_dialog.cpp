#include "option_dialogs/common_options_dialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QVBoxLayout>

#include "services/help_context.h"
#include "services/program_settings.h"

namespace plotwise {

CommonOptionsDialog::CommonOptionsDialog(QWidget* parent) : QDialog(parent) {
    setWindowTitle("Common Options");
    SetHelpContext(this, 204);
    auto* confirmations = new QGroupBox("Confirmations", this);
    auto* confirmationsLayout = new QVBoxLayout(confirmations);
    DeleteConfirmationCheckBox = new QCheckBox("Delete Graph", confirmations);
    confirmationsLayout->addWidget(DeleteConfirmationCheckBox);
    auto* others = new QGroupBox("Others", this);
    auto* othersLayout = new QVBoxLayout(others);
    NewColorCheckBox = new QCheckBox("New Color for New Graph", others);
    ChangeStepsCheckBox = new QCheckBox("Change Steps When Intervals Changed", others);
    AutoMaximizeCheckBox = new QCheckBox("Automatically Maximize Windows", others);
    EverydayNotationCheckBox = new QCheckBox("Accept everyday notation", others);
    EverydayNotationCheckBox->setToolTip(
        "Formulas and numbers may be typed as people write them: 2x, e^x, 1e5, x², π");
    for (QCheckBox* box :
         {NewColorCheckBox, ChangeStepsCheckBox, AutoMaximizeCheckBox, EverydayNotationCheckBox})
        othersLayout->addWidget(box);
    BreakLinesCheckBox = new QCheckBox("Break lines at poles and jumps", others);
    othersLayout->addWidget(BreakLinesCheckBox);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(confirmations);
    layout->addWidget(others);
    layout->addWidget(buttons);
}

void CommonOptionsDialog::SetSettings(const CommonSettings& s) {
    DeleteConfirmationCheckBox->setChecked(s.ConfirmDelete);
    NewColorCheckBox->setChecked(s.FunctionNewColor);
    ChangeStepsCheckBox->setChecked(s.ChangeSteps);
    AutoMaximizeCheckBox->setChecked(s.AutoMaximize);
    EverydayNotationCheckBox->setChecked(s.EverydayNotation);
    BreakLinesCheckBox->setChecked(s.BreakLines);
}

void CommonOptionsDialog::StoreSettings(CommonSettings& s) const {
    s.ConfirmDelete = DeleteConfirmationCheckBox->isChecked();
    s.FunctionNewColor = NewColorCheckBox->isChecked();
    s.ChangeSteps = ChangeStepsCheckBox->isChecked();
    s.AutoMaximize = AutoMaximizeCheckBox->isChecked();
    s.EverydayNotation = EverydayNotationCheckBox->isChecked();
    s.BreakLines = BreakLinesCheckBox->isChecked();
}

}  // namespace plotwise
