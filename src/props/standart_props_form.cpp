#include "standart_props_form.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "new_graph.h"
#include "props_fields.h"
#include "std_props_form.h"
#include "style_choosers.h"
#include "style_group.h"

namespace plotwise {
namespace {

// The "Add. Properties" buttons in the order they are shown.
const struct {
    int kind;
    const char* text;
    const char* name;
} kKindButtons[] = {
    {fsYFromX, "Y(x)", "YFromXButton"},
    {fsXFromY, "X(y)", "XFromYButton"},
    {fsPolar, "R(a)", "PolarButton"},
    {fsParam, "X(t) and Y(t)", "ParamButton"},
    {fsTable, "Table", "TableButton"},
    {fsEquation, "Equation or Inequality", "EquationButton"},
    {fsDifField, "Slope Field", "DifFieldButton"},
};

// The default style serves every kind, so the shading chooser gets a row of its own rather
// than the point style's cells, which it shares in the graph properties dialog.
void ShowEveryChooser(TStyleGroup* group) {
    group->ApplyLayout(TStyleLayout::Full);
    auto* grid = qobject_cast<QGridLayout*>(group->layout());
    QWidget* chooser = group->BrushComboBox;
    QLabel* label = nullptr;
    for (QLabel* l : group->findChildren<QLabel*>()) {
        if (l->buddy() == chooser) label = l;
    }
    if (grid == nullptr || label == nullptr) return;
    for (QWidget* w : {static_cast<QWidget*>(label), chooser}) {
        grid->removeWidget(w);
        w->show();
    }
    grid->addWidget(label, 2, 1);
    grid->addWidget(chooser, 2, 2);
}

// The kind a new graph gets: NewGraphRecord takes any other stored value as Y(x).
int DefaultKind(const TOptionsRecord& options) {
    const std::int32_t kind = options.StandartProps.FuncStyle;
    return kind >= fsYFromX && kind <= fsTable ? kind : fsYFromX;
}

// Values behind a set default flag are neither shown nor used, and the graph properties
// dialog fills them with the document's; keeping the copy's bytes there lets an untouched
// OK change nothing.
void KeepHiddenValues(TIntervalProps& edited, const TIntervalProps& before, int kind) {
    if (edited.DefaultSteps) {
        edited.StepsNum = before.StepsNum;
        edited.MaxGap = before.MaxGap;
    }
    // Polar and parametric graphs always sample their own interval.
    if (edited.DefaultInterval && (kind == fsYFromX || kind == fsXFromY)) {
        edited.Min = before.Min;
        edited.Max = before.Max;
    }
}

void KeepHiddenValues(TAreaProps& edited, const TAreaProps& before) {
    if (!edited.DefaultInterval) return;
    edited.MinX = before.MinX;
    edited.MaxX = before.MaxX;
    edited.MinY = before.MinY;
    edited.MaxY = before.MaxY;
}

}  // namespace

TStandartPropsForm::TStandartPropsForm(QWidget* parent) : QDialog(parent) {
    setWindowTitle("Default Graph Properties");
    Options = StandardOptions();
    KindEditor = [this](TFunctionProps& props, const TOptionsRecord& options) {
        TStdPropsForm form(this);
        if (ShowError) form.ShowError = ShowError;
        form.SetPropsInForm(props, options);
        form.SetDefaultsMode(true);
        if (form.exec() != QDialog::Accepted) return false;
        props = form.Props;
        return true;
    };

    style_ = new TStyleGroup(this);
    ShowEveryChooser(style_);
    drawGraphic_ = new QCheckBox("Graph", this);
    drawGraphic_->setObjectName("DrawGraphicCheckBox");
    funcStyle_ = new QComboBox(this);
    funcStyle_->setObjectName("FuncStyleComboBox");
    for (const char* name : kKindNames)
        funcStyle_->addItem(name);

    auto* kinds = new QGroupBox("Add. Properties", this);
    auto* kindGrid = new QGridLayout(kinds);
    int position = 0;
    for (const auto& b : kKindButtons) {
        auto* button = new QPushButton(b.text, kinds);
        button->setObjectName(b.name);
        button->setAutoDefault(false);
        connect(button, &QPushButton::clicked, this, [this, kind = b.kind] { EditKind(kind); });
        kindButtons_[b.kind] = button;
        kindGrid->addWidget(button, position / 2, position % 2);
        ++position;
    }

    auto* ok = new QPushButton("OK", this);
    ok->setObjectName("OKButton");
    ok->setDefault(true);
    auto* cancel = new QPushButton("Cancel", this);
    cancel->setObjectName("CancelButton");
    connect(ok, &QPushButton::clicked, this, &TStandartPropsForm::OnOK);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(style_);
    layout->addWidget(drawGraphic_);
    layout->addWidget(funcStyle_);
    layout->addWidget(kinds);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    SetOptions(Options);
}

void TStandartPropsForm::SetOptions(const TOptionsRecord& options) {
    Options = options;
    const TGraphStyle& style = Options.StandartProps.Style;
    TFunctionProps props = EmptyFunctionProps();
    SetStyle(props, style);
    style_->SetStyle(StyleFieldsOf(props));
    drawGraphic_->setChecked(style.DrawGraphic);
    funcStyle_->setCurrentIndex(DefaultKind(Options));
}

void TStandartPropsForm::EditKind(int kind) {
    TFunctionProps props = EmptyFunctionProps();
    props.FuncStyle = static_cast<std::uint8_t>(kind);
    SetStyle(props, Options.StandartProps.Style);
    // Fills the kind's block from the copy, edits of earlier buttons included.
    SetNewProps(props, Options);
    if (!KindEditor(props, Options)) return;
    TStandartProps& s = Options.StandartProps;
    TIntervalProps* interval = nullptr;
    TAreaProps* area = nullptr;
    switch (kind) {
        case fsYFromX:
            interval = &s.YFromX;
            break;
        case fsXFromY:
            interval = &s.XFromY;
            break;
        case fsPolar:
            interval = &s.Polar;
            break;
        case fsParam:
            interval = &s.Param;
            break;
        case fsEquation:
            area = &s.Equation;
            break;
        case fsDifField:
            area = &s.DifField;
            break;
        case fsTable:
            s.SortType = props.SortType;
            break;
        default:
            break;
    }
    if (interval != nullptr) {
        KeepHiddenValues(props.Interval(), *interval, kind);
        *interval = props.Interval();
    } else if (area != nullptr) {
        KeepHiddenValues(props.Area(), *area);
        *area = props.Area();
    }
}

void TStandartPropsForm::OnOK() {
    TGraphStyle& style = Options.StandartProps.Style;
    const TStyleFields s = style_->Style();
    UpdateField(style.Lines, s.Lines);
    UpdateField(style.Points, s.Points);
    UpdateField(style.DrawGraphic, drawGraphic_->isChecked());
    UpdateField(style.LineWidth, std::int32_t{s.LineWidthItem + 1});
    UpdateField(style.PointWidth, std::int32_t{s.PointWidthItem * 2 + 1});
    UpdateField(style.PointStyle, static_cast<std::uint8_t>(s.PointStyle));
    UpdateField(style.Color, static_cast<std::uint8_t>(s.Color));
    UpdateField(style.Brush, static_cast<std::uint8_t>(s.Brush));
    UpdateField(Options.StandartProps.FuncStyle, std::int32_t{funcStyle_->currentIndex()});
    accept();
}

}  // namespace plotwise
