#include "option_dialogs/axis_options_dialog.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QVBoxLayout>

#include "option_dialogs/font_dialog.h"
#include "plot/font_mapping.h"
#include "services/help_context.h"
#include "widgets/style_choosers.h"

namespace plotwise {
namespace {

enum { kAxesPage = 0, kMarksPage = 1 };
constexpr int kPageOf[kMarksFieldCount] = {kMarksPage, kMarksPage, kMarksPage,
                                           kMarksPage, kMarksPage, kMarksPage};
constexpr int kNameFont = 0;   // + axis
constexpr int kLabelFont = 2;  // + axis
constexpr std::size_t kNameBytes = 255;
constexpr int kNameLength = 200;
constexpr int kAddNameLength = 20;

// A check box above the group it switches; the group is returned through rows.
QWidget* SwitchedGroup(QCheckBox*& check, const QString& caption, QFormLayout*& rows,
                       QWidget* page) {
    auto* holder = new QWidget(page);
    auto* layout = new QVBoxLayout(holder);
    layout->setContentsMargins(0, 0, 0, 0);
    check = new QCheckBox(caption, holder);
    layout->addWidget(check);
    QGroupBox* group = NewGroup(QString(), rows, holder);
    layout->addWidget(group);
    QObject::connect(check, &QCheckBox::toggled, group, &QWidget::setEnabled);
    return holder;
}

QString ShownText(const String255& text) {
    return RecordText(text.Text());
}

}  // namespace

AxisOptionsDialog::AxisOptionsDialog(QWidget* parent) : OptionsDialog("Axis Options", parent) {
    SetHelpContext(this, 201);
    ChooseFont = [this](FontRecord& font) { return ChooseFontRecord(this, font); };
    QWidget* axes = AddPage("Axes");
    auto* axesLayout = new QHBoxLayout(axes);
    QWidget* marks = AddPage("Marks and Labels");
    auto* marksLayout = new QGridLayout(marks);
    for (int axis = 0; axis < 2; ++axis) {
        axesLayout->addWidget(AxisGroup(axis, axes));
        marksLayout->addWidget(MarksGroup(axis, marks), 0, axis);
        marksLayout->addWidget(LabelsGroup(axis, marks), 1, axis);
    }
    FinishLayout();
}

QWidget* AxisOptionsDialog::AxisGroup(int axis, QWidget* page) {
    AxisControls& c = Axes[axis];
    QFormLayout* rows = nullptr;
    QWidget* holder = SwitchedGroup(c.Draw, axis == 0 ? "X-Axis " : "Y-Axis", rows, page);
    QWidget* group = rows->parentWidget();
    c.Style = new LineStyleComboBox(group);
    c.Pointer = new PointerComboBox(group);
    c.Color = new ColorComboBox(group);
    c.Width = new LineWidthComboBox(group);
    rows->addRow("Style", c.Style);
    rows->addRow("Pointer", c.Pointer);
    rows->addRow("Color", c.Color);
    rows->addRow("Thickness", c.Width);
    auto* direction = new QGroupBox("Direction", group);
    auto* directionLayout = new QVBoxLayout(direction);
    c.Forward =
        new QRadioButton(axis == 0 ? "From Left to Right" : "From Below Upwards", direction);
    c.Backward =
        new QRadioButton(axis == 0 ? "From Right to Left" : "From Above Downwards", direction);
    directionLayout->addWidget(c.Forward);
    directionLayout->addWidget(c.Backward);
    rows->addRow(direction);
    c.NameShow = new QCheckBox("Axis Name", group);
    rows->addRow(c.NameShow);
    c.Name = NewOptionsEdit(group, kNameLength);
    rows->addRow(c.Name);
    c.NameFont = new QPushButton("Font...", group);
    c.NameColorAsAxis = new QCheckBox(axis == 0 ? "Color Like X-Axis" : "Color Like Y-Axis", group);
    rows->addRow(c.NameFont, c.NameColorAsAxis);
    connect(c.NameFont, &QPushButton::clicked, this,
            [this, axis] { ChooseFont(fonts_[kNameFont + axis]); });
    return holder;
}

QWidget* AxisOptionsDialog::MarksGroup(int axis, QWidget* page) {
    AxisControls& c = Axes[axis];
    QFormLayout* rows = nullptr;
    QWidget* holder =
        SwitchedGroup(c.Marks, axis == 0 ? "Marks Along X-Axis" : "Marks Along Y-Axis", rows, page);
    QWidget* group = rows->parentWidget();
    c.MarksStep = NewOptionsEdit(group);
    rows->addRow("Step", c.MarksStep);
    // Wider than the valid 1..10, so a length out of range is named by OK's message.
    c.MarksLength = new QSpinBox(group);
    c.MarksLength->setRange(0, 99);
    c.MarksLength->installEventFilter(this);
    rows->addRow("Length", c.MarksLength);
    auto* color = new QGroupBox("Color", group);
    auto* colorLayout = new QGridLayout(color);
    c.MarksAxisColor = new QRadioButton("Axis Color", color);
    c.MarksCustomColor = new QRadioButton("Custom Color", color);
    c.MarksColor = new ColorComboBox(color);
    colorLayout->addWidget(c.MarksAxisColor, 0, 0);
    colorLayout->addWidget(c.MarksCustomColor, 1, 0);
    colorLayout->addWidget(c.MarksColor, 1, 1);
    rows->addRow(color);
    return holder;
}

QWidget* AxisOptionsDialog::LabelsGroup(int axis, QWidget* page) {
    AxisControls& c = Axes[axis];
    QFormLayout* rows = nullptr;
    QWidget* holder = SwitchedGroup(
        c.Labels, axis == 0 ? "Labels Along X-Axis" : "Labels Along Y-Axis", rows, page);
    QWidget* group = rows->parentWidget();
    c.LabelsStep = NewOptionsEdit(group);
    rows->addRow("Step", c.LabelsStep);
    c.AddName = NewOptionsEdit(group, kAddNameLength);
    rows->addRow("Additional String", c.AddName);
    c.LabelsColorAsAxis =
        new QCheckBox(axis == 0 ? "Color Like X-Axis" : "Color Like Y-Axis", group);
    c.LabelsFont = new QPushButton("Font...", group);
    rows->addRow(c.LabelsFont, c.LabelsColorAsAxis);
    c.LabelsDirect = new QCheckBox(axis == 0 ? "Below the X-Axis" : "To the Left of Y-Axis", group);
    rows->addRow(c.LabelsDirect);
    connect(c.LabelsFont, &QPushButton::clicked, this,
            [this, axis] { ChooseFont(fonts_[kLabelFont + axis]); });
    return holder;
}

void AxisOptionsDialog::SetOptions(const OptionsRecord& o) {
    const MarksFields fields = MarksFieldsOf(o);
    const AxisOptions* axes[] = {&o.AxisX, &o.AxisY};
    const MarksOptions* marks[] = {&o.NumLinesX, &o.NumLinesY};
    const LabelsOptions* labels[] = {&o.NumsX, &o.NumsY};
    for (int axis = 0; axis < 2; ++axis) {
        AxisControls& c = Axes[axis];
        const AxisOptions& a = *axes[axis];
        const MarksOptions& m = *marks[axis];
        const LabelsOptions& l = *labels[axis];
        c.Draw->setChecked(a.Draw);
        SetChooserItem(c.Style, a.Style);
        SetChooserItem(c.Pointer, a.Pointer);
        SetChooserItem(c.Color, a.Color);
        SetChooserItem(c.Width, a.Width, 1);
        (a.Forward ? c.Forward : c.Backward)->setChecked(true);
        c.NameShow->setChecked(a.NameShow);
        shownTexts_[axis] = ShownText(a.Name);
        c.Name->setText(shownTexts_[axis]);
        c.NameColorAsAxis->setChecked(a.NameColorAsAxis);
        fonts_[kNameFont + axis] = a.NameFont;

        c.Marks->setChecked(m.Show);
        c.MarksStep->setText(QString::fromStdString(fields[mfMarksStepX + axis]));
        c.MarksLength->setValue(std::clamp<int>(m.Length, 0, 99));
        (m.ColorAsAxis ? c.MarksAxisColor : c.MarksCustomColor)->setChecked(true);
        SetChooserItem(c.MarksColor, m.Color);

        c.Labels->setChecked(l.Show);
        c.LabelsStep->setText(QString::fromStdString(fields[mfLabelsStepX + axis]));
        shownTexts_[2 + axis] = ShownText(l.AddName);
        c.AddName->setText(shownTexts_[2 + axis]);
        c.LabelsColorAsAxis->setChecked(l.ColorAsAxis);
        c.LabelsDirect->setChecked(l.Direct);
        fonts_[kLabelFont + axis] = l.Font;
        // The groups follow their boxes even when a box did not change.
        for (QCheckBox* box : {c.Draw, c.Marks, c.Labels})
            emit box->toggled(box->isChecked());
    }
}

void AxisOptionsDialog::StoreOptions(OptionsRecord& o) const {
    StoreMarksFields(Fields(), o);
    AxisOptions* axes[] = {&o.AxisX, &o.AxisY};
    MarksOptions* marks[] = {&o.NumLinesX, &o.NumLinesY};
    LabelsOptions* labels[] = {&o.NumsX, &o.NumsY};
    for (int axis = 0; axis < 2; ++axis) {
        const AxisControls& c = Axes[axis];
        AxisOptions& a = *axes[axis];
        MarksOptions& m = *marks[axis];
        LabelsOptions& l = *labels[axis];
        UpdateField(a.Draw, c.Draw->isChecked());
        UpdateField(a.Style, static_cast<std::uint8_t>(c.Style->currentIndex()));
        UpdateField(a.Pointer, static_cast<std::uint8_t>(c.Pointer->currentIndex()));
        UpdateField(a.Color, static_cast<std::uint8_t>(c.Color->currentIndex()));
        UpdateField(a.Width, std::int32_t{c.Width->currentIndex() + 1});
        UpdateField(a.Forward, c.Forward->isChecked());
        UpdateField(a.NameShow, c.NameShow->isChecked());
        if (c.Name->text() != shownTexts_[axis])
            a.Name.SetText(RecordBytes(c.Name->text(), kNameBytes));
        UpdateField(a.NameColorAsAxis, c.NameColorAsAxis->isChecked());
        a.NameFont = fonts_[kNameFont + axis];

        UpdateField(m.Show, c.Marks->isChecked());
        UpdateField(m.ColorAsAxis, c.MarksAxisColor->isChecked());
        UpdateField(m.Color, static_cast<std::uint8_t>(c.MarksColor->currentIndex()));

        UpdateField(l.Show, c.Labels->isChecked());
        if (c.AddName->text() != shownTexts_[2 + axis])
            l.AddName.SetText(RecordBytes(c.AddName->text(), kNameBytes));
        UpdateField(l.ColorAsAxis, c.LabelsColorAsAxis->isChecked());
        UpdateField(l.Direct, c.LabelsDirect->isChecked());
        l.Font = fonts_[kLabelFont + axis];
    }
}

MarksFields AxisOptionsDialog::Fields() const {
    MarksFields f;
    for (int axis = 0; axis < 2; ++axis) {
        const AxisControls& c = Axes[axis];
        f[mfMarksStepX + axis] = c.MarksStep->text().toStdString();
        f[mfLengthX + axis] = c.MarksLength->cleanText().toStdString();
        f[mfLabelsStepX + axis] = c.LabelsStep->text().toStdString();
    }
    return f;
}

QWidget* AxisOptionsDialog::FieldWidget(int field) const {
    const AxisControls& c = Axes[field % 2];
    if (field <= mfMarksStepY) return c.MarksStep;
    if (field <= mfLengthY) return c.MarksLength;
    return c.LabelsStep;
}

bool AxisOptionsDialog::Check() {
    MarksFields f = Fields();
    ReadNotation(f, FieldNotation);
    if (!Passed(
            CheckMarksFields(f), [this](int i) { return FieldWidget(i); }, kPageOf))
        return false;
    for (int i = 0; i < kMarksFieldCount; ++i) {
        if (auto* edit = qobject_cast<QLineEdit*>(FieldWidget(i)))
            edit->setText(QString::fromStdString(f[i]));
    }
    return true;
}

// Enter in a length box is OK and Esc is Cancel, as in the dialog's other fields.
bool AxisOptionsDialog::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            if (Check()) accept();
            return true;
        }
        if (key == Qt::Key_Escape) {
            reject();
            return true;
        }
    }
    return OptionsDialog::eventFilter(watched, event);
}

}  // namespace plotwise
