#include "graph_toolbar.h"

#include <QComboBox>
#include <QEvent>

#include "props_fields.h"
#include "style_choosers.h"

namespace plotwise {

namespace {

template <typename Box>
Box* Chooser(QWidget* parent, int width, const char* shortHint, const char* hint) {
    auto* box = new Box(parent);
    box->setFixedWidth(width);
    box->setToolTip(shortHint);
    box->setStatusTip(hint);
    box->setEnabled(false);
    box->setFocusPolicy(Qt::NoFocus);  // a toolbar takes no keyboard focus from the document
    return box;
}

}  // namespace

TGraphToolbar::TGraphToolbar(QWidget* parent, const std::function<QAction*(TCommand)>& actionOf)
    : QToolBar("Graph", parent), actionOf_(actionOf) {
    setObjectName("GraphsToolbar");
    setAllowedAreas(Qt::TopToolBarArea | Qt::BottomToolBarArea);
    FuncComboBox = Chooser<QComboBox>(this, 162, "Graph list", "List of the existing graphs");
    FuncComboBox->setObjectName("FuncComboBox");
    LineWidthComboBox = Chooser<TLineWidthComboBox>(this, 80, "Lines thickness",
                                                    "Set thickness of lines of the selected graph");
    BrushComboBox = Chooser<TBrushComboBox>(this, 80, "Style of shading",
                                            "Set style of shading of the selected graph");
    PointWidthComboBox = Chooser<TPointWidthComboBox>(this, 39, "Points size",
                                                      "Set size of points of the selected graph");
    PointStyleComboBox = Chooser<TPointStyleComboBox>(this, 39, "Points style",
                                                      "Set style of points of the selected graph");
    ColorComboBox =
        Chooser<TColorComboBox>(this, 80, "Graph color", "Set color of the selected graph");

    addWidget(FuncComboBox);
    addSeparator();
    addAction(actionOf(TCommand::DrawGraphic));
    addAction(actionOf(TCommand::DrawLines));
    lineWidthComboAction_ = addWidget(LineWidthComboBox);
    brushComboAction_ = addWidget(BrushComboBox);
    brushComboAction_->setVisible(false);  // a hidden widget action leaves no gap
    addAction(actionOf(TCommand::DrawPoints));
    addWidget(PointWidthComboBox);
    addWidget(PointStyleComboBox);
    addWidget(ColorComboBox);
    addSeparator();
    addAction(actionOf(TCommand::GraphProps));
    addAction(actionOf(TCommand::OtherProps));
    addSeparator();
    addAction(actionOf(TCommand::AddGraph));
    addAction(actionOf(TCommand::DeleteGraph));
    addAction(actionOf(TCommand::DoubleGraph));
    addSeparator();
    addAction(actionOf(TCommand::Trace));
    // A wheel turned over a chooser would restyle the graph, a step per notch.
    for (QComboBox* box :
         std::initializer_list<QComboBox*>{LineWidthComboBox, BrushComboBox, PointWidthComboBox,
                                           PointStyleComboBox, ColorComboBox})
        box->installEventFilter(this);
    ShowStyle(nullptr);
}

bool TGraphToolbar::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Wheel) return true;
    return QToolBar::eventFilter(watched, event);
}

void TGraphToolbar::SetListEnabled(bool on) {
    for (QComboBox* box :
         std::initializer_list<QComboBox*>{FuncComboBox, LineWidthComboBox, BrushComboBox,
                                           PointWidthComboBox, PointStyleComboBox, ColorComboBox})
        box->setEnabled(on);
}

void TGraphToolbar::ShowShading(bool shading) {
    lineWidthComboAction_->setVisible(!shading);
    brushComboAction_->setVisible(shading);
}

void TGraphToolbar::ShowStyle(const TFunctionProps* props) {
    if (props == nullptr) {
        PointWidthComboBox->setCurrentIndex(0);
        PointStyleComboBox->setCurrentIndex(3);
        ColorComboBox->setCurrentIndex(2);
        LineWidthComboBox->setCurrentIndex(0);
        BrushComboBox->setCurrentIndex(1);
        ShowShading(false);
        return;
    }
    const bool inequality = props->FuncStyle == fsEquation && props->Relation() != 0;
    const bool lineless = inequality || props->FuncStyle == fsDifField;
    for (QAction* action : {actionOf_(TCommand::DrawLines), actionOf_(TCommand::DrawPoints)})
        action->setEnabled(!lineless);
    PointWidthComboBox->setEnabled(!lineless);
    PointStyleComboBox->setEnabled(!lineless);
    ShowShading(inequality);
    actionOf_(TCommand::DrawLines)->setChecked(props->Lines);
    actionOf_(TCommand::DrawPoints)->setChecked(props->Points);
    actionOf_(TCommand::DrawGraphic)->setChecked(props->DrawGraphic);
    const TStyleFields style = StyleFieldsOf(*props);
    PointWidthComboBox->setCurrentIndex(style.PointWidthItem);
    PointStyleComboBox->setCurrentIndex(style.PointStyle);
    ColorComboBox->setCurrentIndex(style.Color);
    LineWidthComboBox->setCurrentIndex(style.LineWidthItem);
    BrushComboBox->setCurrentIndex(style.Brush);
}

void TGraphToolbar::RefillChoosers() {
    for (TScaledComboBox* box :
         std::initializer_list<TScaledComboBox*>{LineWidthComboBox, PointWidthComboBox,
                                                 PointStyleComboBox, BrushComboBox, ColorComboBox})
        box->Refill();
}

}  // namespace plotwise
