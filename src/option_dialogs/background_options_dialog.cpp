#include "option_dialogs/background_options_dialog.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>
#include <QVBoxLayout>

#include "services/help_context.h"
#include "widgets/style_choosers.h"

namespace plotwise {
namespace {

enum { kGridPage = 0, kPolarPage = 1 };
constexpr int kPageOf[kGridFieldCount] = {kGridPage, kGridPage, kPolarPage, kPolarPage};

}  // namespace

BackgroundOptionsDialog::BackgroundOptionsDialog(QWidget* parent)
    : OptionsDialog("Background Options", parent) {
    SetHelpContext(this, 202);
    auto* top = new QHBoxLayout;
    BackColorComboBox = new ColorComboBox(Body());
    BackColorComboBox->setMinimumWidth(100);
    top->addWidget(new QLabel("Background Color", Body()));
    top->addWidget(BackColorComboBox);
    top->addStretch();
    static_cast<QVBoxLayout*>(Body()->layout())->addLayout(top);

    QWidget* grid = AddPage("Grid");
    auto* gridLayout = new QVBoxLayout(grid);
    gridLayout->addWidget(GridGroup(gfStepHor, HorLinesCheckBox, "Horizontal Lines", grid));
    gridLayout->addWidget(GridGroup(gfStepVert, VertLinesCheckBox, "Vertical Lines", grid));
    QWidget* polar = AddPage("Polar Grid");
    auto* polarLayout = new QVBoxLayout(polar);
    polarLayout->addWidget(GridGroup(gfAngleStep, AngleCheckBox, "Angular Grid", polar));
    polarLayout->addWidget(GridGroup(gfRadiusStep, RadiusCheckBox, "Radial Grid", polar));
    FinishLayout();
}

// A check box above the group it switches.
QWidget* BackgroundOptionsDialog::GridGroup(int field, QCheckBox*& check, const QString& caption,
                                            QWidget* page) {
    auto* holder = new QWidget(page);
    auto* layout = new QVBoxLayout(holder);
    layout->setContentsMargins(0, 0, 0, 0);
    check = new QCheckBox(caption, holder);
    layout->addWidget(check);
    QFormLayout* rows = nullptr;
    QGroupBox* group = NewGroup(QString(), rows, holder);
    layout->addWidget(group);
    StepEdits[field] = NewOptionsEdit(group);
    if (field == gfAngleStep) {
        auto* step = new QHBoxLayout;
        step->addWidget(StepEdits[field]);
        step->addWidget(new QLabel("Pi", group));
        rows->addRow("Step", step);
    } else {
        rows->addRow("Step", StepEdits[field]);
    }
    if (field == gfStepHor || field == gfStepVert) {
        StyleBoxes[field] = new LineStyleComboBox(group);
        rows->addRow("Style", StyleBoxes[field]);
    }
    ColorBoxes[field] = new ColorComboBox(group);
    rows->addRow("Color", ColorBoxes[field]);
    WidthBoxes[field] = new LineWidthComboBox(group);
    rows->addRow("Thickness", WidthBoxes[field]);
    connect(check, &QCheckBox::toggled, group, &QWidget::setEnabled);
    return holder;
}

void BackgroundOptionsDialog::SetOptions(const OptionsRecord& o) {
    SetChooserItem(BackColorComboBox, o.BackColor);
    const GridFields steps = GridFieldsOf(o);
    for (int i = 0; i < kGridFieldCount; ++i)
        StepEdits[i]->setText(QString::fromStdString(steps[i]));
    const bool draws[] = {o.DrawHorLines, o.DrawVertLines, o.DrawRadius, o.DrawAngle};
    QCheckBox* checks[] = {HorLinesCheckBox, VertLinesCheckBox, RadiusCheckBox, AngleCheckBox};
    const long long colors[] = {o.HorColor, o.VertColor, o.RadiusColor, o.AngleColor};
    const long long widths[] = {o.HorWidth, o.VertWidth, o.RadiusWidth, o.AngleWidth};
    for (int i = 0; i < kGridFieldCount; ++i) {
        checks[i]->setChecked(draws[i]);
        checks[i]->toggled(draws[i]);  // the group follows even when the box did not change
        SetChooserItem(ColorBoxes[i], colors[i]);
        SetChooserItem(WidthBoxes[i], widths[i], 1);
    }
    SetChooserItem(StyleBoxes[0], o.HorStyle);
    SetChooserItem(StyleBoxes[1], o.VertStyle);
}

void BackgroundOptionsDialog::StoreOptions(OptionsRecord& o) const {
    StoreGridFields(Fields(), o);
    UpdateField(o.BackColor, static_cast<std::uint8_t>(BackColorComboBox->currentIndex()));
    UpdateField(o.DrawHorLines, HorLinesCheckBox->isChecked());
    UpdateField(o.DrawVertLines, VertLinesCheckBox->isChecked());
    UpdateField(o.DrawRadius, RadiusCheckBox->isChecked());
    UpdateField(o.DrawAngle, AngleCheckBox->isChecked());
    UpdateField(o.HorColor, static_cast<std::uint8_t>(ColorBoxes[gfStepHor]->currentIndex()));
    UpdateField(o.VertColor, static_cast<std::uint8_t>(ColorBoxes[gfStepVert]->currentIndex()));
    UpdateField(o.RadiusColor, std::int32_t{ColorBoxes[gfRadiusStep]->currentIndex()});
    UpdateField(o.AngleColor, std::int32_t{ColorBoxes[gfAngleStep]->currentIndex()});
    UpdateField(o.HorStyle, static_cast<std::uint8_t>(StyleBoxes[0]->currentIndex()));
    UpdateField(o.VertStyle, static_cast<std::uint8_t>(StyleBoxes[1]->currentIndex()));
    Int32* widths[] = {&o.HorWidth, &o.VertWidth, &o.RadiusWidth, &o.AngleWidth};
    for (int i = 0; i < kGridFieldCount; ++i)
        UpdateField(*widths[i], std::int32_t{WidthBoxes[i]->currentIndex() + 1});
}

GridFields BackgroundOptionsDialog::Fields() const {
    GridFields f;
    for (int i = 0; i < kGridFieldCount; ++i)
        f[i] = StepEdits[i]->text().toStdString();
    return f;
}

bool BackgroundOptionsDialog::Check() {
    GridFields f = Fields();
    ReadNotation(f, FieldNotation);
    if (!Passed(
            CheckGridFields(f), [this](int i) { return StepEdits[i]; }, kPageOf))
        return false;
    for (int i = 0; i < kGridFieldCount; ++i)
        StepEdits[i]->setText(QString::fromStdString(f[i]));
    return true;
}

}  // namespace plotwise
