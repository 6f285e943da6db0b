#include "graph_toolbar.h"

#include <QComboBox>

namespace plotwise {

namespace {

QComboBox* Chooser(QWidget* parent, int width, const char* shortHint, const char* hint) {
    auto* box = new QComboBox(parent);
    box->setFixedWidth(width);
    box->setToolTip(shortHint);
    box->setStatusTip(hint);
    box->setEnabled(false);
    return box;
}

}  // namespace

TGraphToolbar::TGraphToolbar(QWidget* parent, const std::function<QAction*(TCommand)>& actionOf)
    : QToolBar("Graph", parent) {
    setObjectName("GraphsToolbar");
    setAllowedAreas(Qt::TopToolBarArea | Qt::BottomToolBarArea);
    FuncComboBox = Chooser(this, 162, "Graph list", "List of the existing graphs");
    LineWidthComboBox =
        Chooser(this, 80, "Lines thickness", "Set thickness of lines of the selected graph");
    BrushComboBox =
        Chooser(this, 80, "Style of shading", "Set style of shading of the selected graph");
    PointWidthComboBox =
        Chooser(this, 39, "Points size", "Set size of points of the selected graph");
    PointStyleComboBox =
        Chooser(this, 39, "Points style", "Set style of points of the selected graph");
    ColorComboBox = Chooser(this, 80, "Graph color", "Set color of the selected graph");

    addWidget(FuncComboBox);
    addSeparator();
    addAction(actionOf(TCommand::DrawGraphic));
    addAction(actionOf(TCommand::DrawLines));
    LineWidthComboAction = addWidget(LineWidthComboBox);
    BrushComboAction = addWidget(BrushComboBox);
    BrushComboAction->setVisible(false);  // a hidden widget action leaves no gap
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
}

void TGraphToolbar::ClearGraphsList() {
    FuncComboBox->clear();
}

void TGraphToolbar::SetListEnabled(bool on) {
    for (QComboBox* box : {FuncComboBox, LineWidthComboBox, BrushComboBox, PointWidthComboBox,
                           PointStyleComboBox, ColorComboBox})
        box->setEnabled(on);
}

}  // namespace plotwise
