#include "option_dialogs/plot_options_dialog.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>
#include <QVBoxLayout>

#include "services/help_context.h"

namespace plotwise {
namespace {

enum { kIntervalsPage = 0, kCoefficientsPage = 1 };

constexpr int kPageOf[kPlotFieldCount] = {
    kIntervalsPage,    kIntervalsPage, kIntervalsPage, kIntervalsPage,    kCoefficientsPage,
    kCoefficientsPage, kIntervalsPage, kIntervalsPage, kCoefficientsPage, kCoefficientsPage};

}  // namespace

PlotOptionsDialog::PlotOptionsDialog(QWidget* parent) : OptionsDialog("Plot Options", parent) {
    SetHelpContext(this, 203);
    for (QLineEdit*& edit : Edits)
        edit = NewOptionsEdit(this);

    QWidget* intervals = AddPage("Intervals");
    auto* intervalsLayout = new QVBoxLayout(intervals);
    QFormLayout* rows = nullptr;
    intervalsLayout->addWidget(NewGroup("Intervals", rows, intervals));
    rows->addRow("Minimum of X", Edits[pfMinX]);
    rows->addRow("Maximum of X", Edits[pfMaxX]);
    rows->addRow("Minimum of Y", Edits[pfMinY]);
    rows->addRow("Maximum of Y", Edits[pfMaxY]);
    intervalsLayout->addWidget(NewGroup("Plot parameters", rows, intervals));
    rows->addRow("Number of Steps", Edits[pfSteps]);
    rows->addRow("Maximum Gap", Edits[pfMaxGap]);
    PointsAlignCheckBox = new QCheckBox("Points Align", intervals);
    rows->addRow(PointsAlignCheckBox);

    QWidget* coefficients = AddPage("Coefficients");
    auto* coefficientsLayout = new QVBoxLayout(coefficients);
    coefficientsLayout->addWidget(NewGroup("Coefficients", rows, coefficients));
    rows->addRow("Coefficient on X-Axis", Edits[pfCoeffX]);
    rows->addRow("Coefficient on Y-Axis", Edits[pfCoeffY]);
    auto* log = new QGroupBox("Logarithmic scale", coefficients);
    auto* grid = new QGridLayout(log);
    LogXCheckBox = new QCheckBox("X-Axis", log);
    LogYCheckBox = new QCheckBox("Y-Axis", log);
    grid->addWidget(LogXCheckBox, 0, 0);
    grid->addWidget(new QLabel("Base", log), 0, 1);
    grid->addWidget(Edits[pfBaseX], 0, 2);
    grid->addWidget(LogYCheckBox, 1, 0);
    grid->addWidget(new QLabel("Base", log), 1, 1);
    grid->addWidget(Edits[pfBaseY], 1, 2);
    coefficientsLayout->addWidget(log);
    coefficientsLayout->addStretch();
    FinishLayout();
}

void PlotOptionsDialog::SetOptions(const OptionsRecord& options) {
    const PlotFields f = PlotFieldsOf(options);
    for (int i = 0; i < kPlotFieldCount; ++i)
        Edits[i]->setText(QString::fromStdString(f.Text[i]));
    PointsAlignCheckBox->setChecked(f.PointsAlign);
    LogXCheckBox->setChecked(f.LogX);
    LogYCheckBox->setChecked(f.LogY);
}

PlotFields PlotOptionsDialog::Fields() const {
    PlotFields f;
    for (int i = 0; i < kPlotFieldCount; ++i)
        f.Text[i] = Edits[i]->text().toStdString();
    f.PointsAlign = PointsAlignCheckBox->isChecked();
    f.LogX = LogXCheckBox->isChecked();
    f.LogY = LogYCheckBox->isChecked();
    return f;
}

void PlotOptionsDialog::StoreOptions(OptionsRecord& options) const {
    StorePlotFields(Fields(), options);
}

bool PlotOptionsDialog::Check() {
    PlotFields f = Fields();
    ReadNotation(f, FieldNotation);
    if (!Passed(
            CheckPlotFields(f), [this](int i) { return Edits[i]; }, kPageOf))
        return false;
    for (int i = 0; i < kPlotFieldCount; ++i)
        Edits[i]->setText(QString::fromStdString(f.Text[i]));
    return true;
}

}  // namespace plotwise
