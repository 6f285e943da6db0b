#include "axles_form.h"

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

#include "font_dialog.h"
#include "font_mapping.h"
#include "style_choosers.h"

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

TAxlesForm::TAxlesForm(QWidget* parent) : TOptionsDialog("Axis Options", parent) {
    ChooseFont = [this](TFontRecord& font) { return ChooseFontRecord(this, font); };
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

QWidget* TAxlesForm::AxisGroup(int axis, QWidget* page) {
    TAxisControls& c = Axes[axis];
    QFormLayout* rows = nullptr;
    QWidget* holder = SwitchedGroup(c.Draw, axis == 0 ? "X-Axis " : "Y-Axis", rows, page);
    QWidget* group = rows->parentWidget();
    c.Style = new TLineComboBox(group);
    c.Pointer = new TPointersComboBox(group);
    c.Color = new TColorComboBox(group);
    c.Width = new TLineWidthComboBox(group);
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
    c.NameColAsAxle = new QCheckBox(axis == 0 ? "Color Like X-Axis" : "Color Like Y-Axis", group);
    rows->addRow(c.NameFont, c.NameColAsAxle);
    connect(c.NameFont, &QPushButton::clicked, this,
            [this, axis] { ChooseFont(fonts_[kNameFont + axis]); });
    return holder;
}

QWidget* TAxlesForm::MarksGroup(int axis, QWidget* page) {
    TAxisControls& c = Axes[axis];
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
    c.MarksColor = new TColorComboBox(color);
    colorLayout->addWidget(c.MarksAxisColor, 0, 0);
    colorLayout->addWidget(c.MarksCustomColor, 1, 0);
    colorLayout->addWidget(c.MarksColor, 1, 1);
    rows->addRow(color);
    return holder;
}

QWidget* TAxlesForm::LabelsGroup(int axis, QWidget* page) {
    TAxisControls& c = Axes[axis];
    QFormLayout* rows = nullptr;
    QWidget* holder = SwitchedGroup(
        c.Labels, axis == 0 ? "Labels Along X-Axis" : "Labels Along Y-Axis", rows, page);
    QWidget* group = rows->parentWidget();
    c.LabelsStep = NewOptionsEdit(group);
    rows->addRow("Step", c.LabelsStep);
    c.AddName = NewOptionsEdit(group, kAddNameLength);
    rows->addRow("Additional String", c.AddName);
    c.LabelsColAsAxle = new QCheckBox(axis == 0 ? "Color Like X-Axis" : "Color Like Y-Axis", group);
    c.LabelsFont = new QPushButton("Font...", group);
    rows->addRow(c.LabelsFont, c.LabelsColAsAxle);
    c.LabelsDirect =
        new QCheckBox(axis == 0 ? "To the Top of X-Axis" : "To the Left of Y-Axis", group);
    rows->addRow(c.LabelsDirect);
    connect(c.LabelsFont, &QPushButton::clicked, this,
            [this, axis] { ChooseFont(fonts_[kLabelFont + axis]); });
    return holder;
}

void TAxlesForm::SetOptions(const TOptionsRecord& o) {
    const TMarksFields fields = MarksFieldsOf(o);
    const TAxleProps* axles[] = {&o.AxleX, &o.AxleY};
    const TMarksProps* marks[] = {&o.NumLinesX, &o.NumLinesY};
    const TLabelsProps* labels[] = {&o.NumsX, &o.NumsY};
    for (int axis = 0; axis < 2; ++axis) {
        TAxisControls& c = Axes[axis];
        const TAxleProps& a = *axles[axis];
        const TMarksProps& m = *marks[axis];
        const TLabelsProps& l = *labels[axis];
        c.Draw->setChecked(a.Draw);
        SetChooserItem(c.Style, a.Style);
        SetChooserItem(c.Pointer, a.Pointer);
        SetChooserItem(c.Color, a.Color);
        SetChooserItem(c.Width, a.Width, 1);
        (a.Forward ? c.Forward : c.Backward)->setChecked(true);
        c.NameShow->setChecked(a.NameShow);
        shownTexts_[axis] = ShownText(a.Name);
        c.Name->setText(shownTexts_[axis]);
        c.NameColAsAxle->setChecked(a.NameColAsAxle);
        fonts_[kNameFont + axis] = a.NameFont;

        c.Marks->setChecked(m.Show);
        c.MarksStep->setText(QString::fromStdString(fields[mfMarksStepX + axis]));
        c.MarksLength->setValue(std::clamp<int>(m.Length, 0, 99));
        (m.ColAsAxle ? c.MarksAxisColor : c.MarksCustomColor)->setChecked(true);
        SetChooserItem(c.MarksColor, m.Color);

        c.Labels->setChecked(l.Show);
        c.LabelsStep->setText(QString::fromStdString(fields[mfLabelsStepX + axis]));
        shownTexts_[2 + axis] = ShownText(l.AddName);
        c.AddName->setText(shownTexts_[2 + axis]);
        c.LabelsColAsAxle->setChecked(l.ColAsAxle);
        c.LabelsDirect->setChecked(l.Direct);
        fonts_[kLabelFont + axis] = l.Font;
        // The groups follow their boxes even when a box did not change.
        for (QCheckBox* box : {c.Draw, c.Marks, c.Labels})
            emit box->toggled(box->isChecked());
    }
}

void TAxlesForm::StoreOptions(TOptionsRecord& o) const {
    StoreMarksFields(Fields(), o);
    TAxleProps* axles[] = {&o.AxleX, &o.AxleY};
    TMarksProps* marks[] = {&o.NumLinesX, &o.NumLinesY};
    TLabelsProps* labels[] = {&o.NumsX, &o.NumsY};
    for (int axis = 0; axis < 2; ++axis) {
        const TAxisControls& c = Axes[axis];
        TAxleProps& a = *axles[axis];
        TMarksProps& m = *marks[axis];
        TLabelsProps& l = *labels[axis];
        UpdateField(a.Draw, c.Draw->isChecked());
        UpdateField(a.Style, static_cast<std::uint8_t>(c.Style->currentIndex()));
        UpdateField(a.Pointer, static_cast<std::uint8_t>(c.Pointer->currentIndex()));
        UpdateField(a.Color, static_cast<std::uint8_t>(c.Color->currentIndex()));
        UpdateField(a.Width, std::int32_t{c.Width->currentIndex() + 1});
        UpdateField(a.Forward, c.Forward->isChecked());
        UpdateField(a.NameShow, c.NameShow->isChecked());
        if (c.Name->text() != shownTexts_[axis])
            a.Name.SetText(RecordBytes(c.Name->text(), kNameBytes));
        UpdateField(a.NameColAsAxle, c.NameColAsAxle->isChecked());
        a.NameFont = fonts_[kNameFont + axis];

        UpdateField(m.Show, c.Marks->isChecked());
        UpdateField(m.ColAsAxle, c.MarksAxisColor->isChecked());
        UpdateField(m.Color, static_cast<std::uint8_t>(c.MarksColor->currentIndex()));

        UpdateField(l.Show, c.Labels->isChecked());
        if (c.AddName->text() != shownTexts_[2 + axis])
            l.AddName.SetText(RecordBytes(c.AddName->text(), kNameBytes));
        UpdateField(l.ColAsAxle, c.LabelsColAsAxle->isChecked());
        UpdateField(l.Direct, c.LabelsDirect->isChecked());
        l.Font = fonts_[kLabelFont + axis];
    }
}

TMarksFields TAxlesForm::Fields() const {
    TMarksFields f;
    for (int axis = 0; axis < 2; ++axis) {
        const TAxisControls& c = Axes[axis];
        f[mfMarksStepX + axis] = c.MarksStep->text().toStdString();
        f[mfLengthX + axis] = c.MarksLength->cleanText().toStdString();
        f[mfLabelsStepX + axis] = c.LabelsStep->text().toStdString();
    }
    return f;
}

QWidget* TAxlesForm::FieldWidget(int field) const {
    const TAxisControls& c = Axes[field % 2];
    if (field <= mfMarksStepY) return c.MarksStep;
    if (field <= mfLengthY) return c.MarksLength;
    return c.LabelsStep;
}

bool TAxlesForm::Check() {
    return Passed(
        CheckMarksFields(Fields()), [this](int i) { return FieldWidget(i); }, kPageOf);
}

// Enter in a length box is OK and Esc is Cancel, as in the dialog's other fields.
bool TAxlesForm::eventFilter(QObject* watched, QEvent* event) {
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
    return TOptionsDialog::eventFilter(watched, event);
}

}  // namespace plotwise
