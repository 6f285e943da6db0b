#include "style_group.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <algorithm>

#include "style_choosers.h"

namespace plotwise {
namespace {

constexpr int kChooserWidth = 80;

}  // namespace

TStyleLayout StyleLayoutFor(int kind, int relation) {
    if (kind == fsEquation && (relation == 1 || relation == 2)) return TStyleLayout::Shading;
    if (kind == fsDifField) return TStyleLayout::SlopeField;
    return TStyleLayout::Full;
}

TStyleGroup::TStyleGroup(QWidget* parent) : QGroupBox(parent) {
    LinesCheckBox = new QCheckBox("Lines", this);
    LinesCheckBox->setObjectName("LinesCheckBox");
    PointsCheckBox = new QCheckBox("Points", this);
    PointsCheckBox->setObjectName("PointsCheckBox");
    ColorComboBox = new TColorComboBox(this);
    ColorComboBox->setObjectName("ColorComboBox");
    LineWidthComboBox = new TLineWidthComboBox(this);
    LineWidthComboBox->setObjectName("LineWidthComboBox");
    PointStyleComboBox = new TPointStyleComboBox(this);
    PointStyleComboBox->setObjectName("PointStyleComboBox");
    PointWidthComboBox = new TPointWidthComboBox(this);
    PointWidthComboBox->setObjectName("PointWidthComboBox");
    BrushComboBox = new TBrushComboBox(this);
    BrushComboBox->setObjectName("BrushComboBox");

    // The choosers show drawings, which need more room than their item texts ask for.
    for (QWidget* chooser :
         std::initializer_list<QWidget*>{ColorComboBox, LineWidthComboBox, PointStyleComboBox,
                                         PointWidthComboBox, BrushComboBox})
        chooser->setMinimumWidth(kChooserWidth);

    auto label = [this](const char* text, QWidget* buddy) {
        auto* l = new QLabel(text, this);
        l->setBuddy(buddy);
        return l;
    };
    colorLabel_ = label("Color", ColorComboBox);
    thicknessLabel_ = label("Thickness", LineWidthComboBox);
    pointStyleLabel_ = label("Style", PointStyleComboBox);
    pointSizeLabel_ = label("Size", PointWidthComboBox);
    shadingLabel_ = label("Style of Shading", BrushComboBox);

    // The shading chooser shares the cells of the point style: the two are never shown
    // together, and an inequality then shows colour and shading one above the other.
    auto* grid = new QGridLayout(this);
    grid->addWidget(LinesCheckBox, 0, 0);
    grid->addWidget(colorLabel_, 0, 1);
    grid->addWidget(ColorComboBox, 0, 2);
    grid->addWidget(thicknessLabel_, 0, 3);
    grid->addWidget(LineWidthComboBox, 0, 4);
    grid->addWidget(PointsCheckBox, 1, 0);
    grid->addWidget(pointStyleLabel_, 1, 1);
    grid->addWidget(PointStyleComboBox, 1, 2);
    grid->addWidget(shadingLabel_, 1, 1);
    grid->addWidget(BrushComboBox, 1, 2);
    grid->addWidget(pointSizeLabel_, 1, 3);
    grid->addWidget(PointWidthComboBox, 1, 4);
    grid->setColumnStretch(2, 1);
    grid->setColumnStretch(4, 1);
    grid->setHorizontalSpacing(10);
    // As wide as its widest layout, so that the dialog keeps its size whatever the kind.
    int width = 0;
    for (TStyleLayout layout :
         {TStyleLayout::Shading, TStyleLayout::SlopeField, TStyleLayout::Full}) {
        ApplyLayout(layout);
        grid->invalidate();
        width = std::max(width, sizeHint().width());
    }
    setMinimumWidth(width);
}

void TStyleGroup::SetStyle(const TStyleFields& style) {
    LinesCheckBox->setChecked(style.Lines);
    PointsCheckBox->setChecked(style.Points);
    LineWidthComboBox->setCurrentIndex(style.LineWidthItem);
    PointWidthComboBox->setCurrentIndex(style.PointWidthItem);
    PointStyleComboBox->setCurrentIndex(style.PointStyle);
    ColorComboBox->setCurrentIndex(style.Color);
    BrushComboBox->setCurrentIndex(style.Brush);
}

TStyleFields TStyleGroup::Style() const {
    TStyleFields s;
    s.Lines = LinesCheckBox->isChecked();
    s.Points = PointsCheckBox->isChecked();
    s.LineWidthItem = std::max(LineWidthComboBox->currentIndex(), 0);
    s.PointWidthItem = std::max(PointWidthComboBox->currentIndex(), 0);
    s.PointStyle = std::max(PointStyleComboBox->currentIndex(), 0);
    s.Color = std::max(ColorComboBox->currentIndex(), 0);
    s.Brush = std::max(BrushComboBox->currentIndex(), 0);
    return s;
}

void TStyleGroup::ApplyLayout(TStyleLayout layout) {
    const bool shading = layout == TStyleLayout::Shading;
    const bool slopeField = layout == TStyleLayout::SlopeField;
    QWidget* pointControls[] = {LinesCheckBox,   PointsCheckBox,     pointStyleLabel_,
                                pointSizeLabel_, PointStyleComboBox, PointWidthComboBox};
    for (QWidget* w : pointControls) {
        w->setVisible(!shading);
        w->setEnabled(!slopeField);
    }
    thicknessLabel_->setVisible(!shading);
    LineWidthComboBox->setVisible(!shading);
    shadingLabel_->setVisible(shading);
    BrushComboBox->setVisible(shading);
}

}  // namespace plotwise
