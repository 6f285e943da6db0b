#include "graph_dialog/default_graph_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "graph_dialog/graph_dialog.h"
#include "graph_dialog/graph_fields.h"
#include "graph_dialog/style_group.h"
#include "plot/new_graph.h"
#include "services/help_context.h"
#include "widgets/style_choosers.h"

namespace plotwise {
namespace {

// The "Add. Properties" buttons in the order they are shown.
const struct {
    int kind;
    const char* text;
    const char* name;
} kKindButtons[] = {
    {kYOfX, "Y(x)", "YFromXButton"},
    {kXOfY, "X(y)", "XFromYButton"},
    {kPolarGraph, "R(a)", "PolarButton"},
    {kParametric, "X(t) and Y(t)", "ParamButton"},
    {kTable, "Table", "TableButton"},
    {kEquation, "Equation or Inequality", "EquationButton"},
    {kSlopeField, "Slope Field", "DifFieldButton"},
};

// The default style serves every kind, so the shading chooser gets a row of its own rather
// than the point style's cells, which it shares in the graph properties dialog.
void ShowEveryChooser(StyleGroup* group) {
    group->ApplyLayout(StyleLayout::Full);
    auto* grid = qobject_cast<QGridLayout*>(group->layout());
    QWidget* chooser = group->ShadingChooser;
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
int DefaultKind(const OptionsRecord& options) {
    const std::int32_t kind = options.GraphDefaults.Kind;
    return kind >= kYOfX && kind <= kTable ? kind : kYOfX;
}

// Values behind a set default flag are neither shown nor used, and the graph properties
// dialog fills them with the document's; keeping the copy's bytes there lets an untouched
// OK change nothing.
void KeepHiddenValues(GraphInterval& edited, const GraphInterval& before, int kind) {
    if (edited.DefaultSteps) {
        edited.StepsNum = before.StepsNum;
        edited.MaxGap = before.MaxGap;
    }
    // Polar and parametric graphs always sample their own interval.
    if (edited.DefaultInterval && (kind == kYOfX || kind == kXOfY)) {
        edited.Min = before.Min;
        edited.Max = before.Max;
    }
}

void KeepHiddenValues(GraphArea& edited, const GraphArea& before) {
    if (!edited.DefaultInterval) return;
    edited.MinX = before.MinX;
    edited.MaxX = before.MaxX;
    edited.MinY = before.MinY;
    edited.MaxY = before.MaxY;
}

}  // namespace

DefaultGraphDialog::DefaultGraphDialog(QWidget* parent) : QDialog(parent) {
    setWindowTitle("Default Graph Properties");
    SetHelpContext(this, 217);
    Options = StandardOptions();
    KindEditor = [this](GraphRecord& props, const OptionsRecord& options) {
        GraphDialog form(this);
        if (ShowError) form.ShowError = ShowError;
        form.SetNotation(FieldNotation);
        form.ShowRecord(props, options);
        form.SetDefaultsMode(true);
        if (form.exec() != QDialog::Accepted) return false;
        props = form.Record;
        return true;
    };

    style_ = new StyleGroup(this);
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
    connect(ok, &QPushButton::clicked, this, &DefaultGraphDialog::OnOK);
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

void DefaultGraphDialog::SetOptions(const OptionsRecord& options) {
    Options = options;
    const GraphStyle& style = Options.GraphDefaults.Style;
    GraphRecord props = EmptyGraphRecord();
    SetStyle(props, style);
    style_->SetStyle(StyleFieldsOf(props));
    drawGraphic_->setChecked(style.DrawGraphic);
    funcStyle_->setCurrentIndex(DefaultKind(Options));
}

void DefaultGraphDialog::EditKind(int kind) {
    GraphRecord props = EmptyGraphRecord();
    props.Kind = static_cast<std::uint8_t>(kind);
    SetStyle(props, Options.GraphDefaults.Style);
    // Fills the kind's block from the copy, edits of earlier buttons included.
    SetNewProps(props, Options);
    if (!KindEditor(props, Options)) return;
    NewGraphDefaults& s = Options.GraphDefaults;
    GraphInterval* interval = nullptr;
    GraphArea* area = nullptr;
    switch (kind) {
        case kYOfX:
            interval = &s.YFromX;
            break;
        case kXOfY:
            interval = &s.XFromY;
            break;
        case kPolarGraph:
            interval = &s.Polar;
            break;
        case kParametric:
            interval = &s.Param;
            break;
        case kEquation:
            area = &s.Equation;
            break;
        case kSlopeField:
            area = &s.SlopeField;
            break;
        case kTable:
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

void DefaultGraphDialog::OnOK() {
    GraphStyle& style = Options.GraphDefaults.Style;
    const StyleFields s = style_->Style();
    UpdateField(style.Lines, s.Lines);
    UpdateField(style.Points, s.Points);
    UpdateField(style.DrawGraphic, drawGraphic_->isChecked());
    UpdateField(style.LineWidth, std::int32_t{s.LineWidthItem + 1});
    UpdateField(style.PointWidth, std::int32_t{s.PointWidthItem * 2 + 1});
    UpdateField(style.PointStyle, static_cast<std::uint8_t>(s.PointStyle));
    UpdateField(style.Color, static_cast<std::uint8_t>(s.Color));
    UpdateField(style.Brush, static_cast<std::uint8_t>(s.Brush));
    UpdateField(Options.GraphDefaults.Kind, std::int32_t{funcStyle_->currentIndex()});
    accept();
}

}  // namespace plotwise
