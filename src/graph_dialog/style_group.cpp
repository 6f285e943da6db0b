#include "graph_dialog/style_group.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <algorithm>

#include "widgets/style_choosers.h"

namespace plotwise {
namespace {

constexpr int kChooserWidth = 80;

}  // namespace

StyleLayout StyleLayoutFor(int kind, int relation) {
    if (kind == kEquation && (relation == 1 || relation == 2)) return StyleLayout::Shading;
    if (kind == kSlopeField) return StyleLayout::SlopeField;
    return StyleLayout::Full;
}

StyleGroup::StyleGroup(QWidget* parent) : QGroupBox(parent) {
    LinesCheckBox = new QCheckBox("Lines", this);
    LinesCheckBox->setObjectName("LinesCheckBox");
    PointsCheckBox = new QCheckBox("Points", this);
    PointsCheckBox->setObjectName("PointsCheckBox");
    ColorChooser = new ColorComboBox(this);
    ColorChooser->setObjectName("ColorComboBox");
    LineWidthChooser = new LineWidthComboBox(this);
    LineWidthChooser->setObjectName("LineWidthComboBox");
    PointStyleChooser = new PointStyleComboBox(this);
    PointStyleChooser->setObjectName("PointStyleComboBox");
    PointSizeChooser = new PointSizeComboBox(this);
    PointSizeChooser->setObjectName("PointWidthComboBox");
    ShadingChooser = new ShadingComboBox(this);
    ShadingChooser->setObjectName("BrushComboBox");

    // The choosers show drawings, which need more room than their item texts ask for.
    for (QWidget* chooser : std::initializer_list<QWidget*>{
             ColorChooser, LineWidthChooser, PointStyleChooser, PointSizeChooser, ShadingChooser})
        chooser->setMinimumWidth(kChooserWidth);

    auto label = [this](const char* text, QWidget* buddy) {
        auto* l = new QLabel(text, this);
        l->setBuddy(buddy);
        return l;
    };
    colorLabel_ = label("Color", ColorChooser);
    thicknessLabel_ = label("Thickness", LineWidthChooser);
    pointStyleLabel_ = label("Style", PointStyleChooser);
    pointSizeLabel_ = label("Size", PointSizeChooser);
    shadingLabel_ = label("Style of Shading", ShadingChooser);

    // The shading chooser shares the cells of the point style: the two are never shown
    // together, and an inequality then shows colour and shading one above the other.
    auto* grid = new QGridLayout(this);
    grid->addWidget(LinesCheckBox, 0, 0);
    grid->addWidget(colorLabel_, 0, 1);
    grid->addWidget(ColorChooser, 0, 2);
    grid->addWidget(thicknessLabel_, 0, 3);
    grid->addWidget(LineWidthChooser, 0, 4);
    grid->addWidget(PointsCheckBox, 1, 0);
    grid->addWidget(pointStyleLabel_, 1, 1);
    grid->addWidget(PointStyleChooser, 1, 2);
    grid->addWidget(shadingLabel_, 1, 1);
    grid->addWidget(ShadingChooser, 1, 2);
    grid->addWidget(pointSizeLabel_, 1, 3);
    grid->addWidget(PointSizeChooser, 1, 4);
    grid->setColumnStretch(2, 1);
    grid->setColumnStretch(4, 1);
    grid->setHorizontalSpacing(10);
    // As wide as its widest layout, so that the dialog keeps its size whatever the kind.
    int width = 0;
    for (StyleLayout layout : {StyleLayout::Shading, StyleLayout::SlopeField, StyleLayout::Full}) {
        ApplyLayout(layout);
        grid->invalidate();
        width = std::max(width, sizeHint().width());
    }
    setMinimumWidth(width);
}

void StyleGroup::SetStyle(const StyleFields& style) {
    LinesCheckBox->setChecked(style.Lines);
    PointsCheckBox->setChecked(style.Points);
    LineWidthChooser->setCurrentIndex(style.LineWidthItem);
    PointSizeChooser->setCurrentIndex(style.PointWidthItem);
    PointStyleChooser->setCurrentIndex(style.PointStyle);
    ColorChooser->setCurrentIndex(style.Color);
    ShadingChooser->setCurrentIndex(style.Brush);
}

StyleFields StyleGroup::Style() const {
    StyleFields s;
    s.Lines = LinesCheckBox->isChecked();
    s.Points = PointsCheckBox->isChecked();
    s.LineWidthItem = std::max(LineWidthChooser->currentIndex(), 0);
    s.PointWidthItem = std::max(PointSizeChooser->currentIndex(), 0);
    s.PointStyle = std::max(PointStyleChooser->currentIndex(), 0);
    s.Color = std::max(ColorChooser->currentIndex(), 0);
    s.Brush = std::max(ShadingChooser->currentIndex(), 0);
    return s;
}

void StyleGroup::ApplyLayout(StyleLayout layout) {
    const bool shading = layout == StyleLayout::Shading;
    const bool slopeField = layout == StyleLayout::SlopeField;
    QWidget* pointControls[] = {LinesCheckBox,   PointsCheckBox,    pointStyleLabel_,
                                pointSizeLabel_, PointStyleChooser, PointSizeChooser};
    for (QWidget* w : pointControls) {
        w->setVisible(!shading);
        w->setEnabled(!slopeField);
    }
    thicknessLabel_->setVisible(!shading);
    LineWidthChooser->setVisible(!shading);
    shadingLabel_->setVisible(shading);
    ShadingChooser->setVisible(shading);
}

}  // namespace plotwise
