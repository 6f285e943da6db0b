// The Standard, Graph and Calculus toolbars of the main window.
#include <QComboBox>
#include <QToolBar>

#include "app/graph_controller.h"
#include "app/graph_toolbar.h"
#include "app/main_window.h"
#include "widgets/style_choosers.h"

namespace plotwise {

namespace {

// nullopt: a separator.
using ToolbarButtons = std::initializer_list<std::optional<Command>>;

}  // namespace

void MainWindow::CreateToolbars() {
    using C = Command;
    const auto fill = [this](QToolBar* bar, ToolbarButtons buttons) {
        for (const std::optional<Command>& button : buttons) {
            if (button)
                bar->addAction(Action(*button));
            else
                bar->addSeparator();
        }
    };
    auto* standard = new QToolBar("Standard", this);
    standard->setObjectName("StandardToolbar");
    fill(standard, {C::New,
                    C::Open,
                    C::Save,
                    C::Print,
                    {},
                    C::Undo,
                    C::Redo,
                    {},
                    C::PlotOptions,
                    C::AxisOptions,
                    C::BackgroundOptions,
                    {},
                    C::IncreaseXY,
                    C::IncreaseY,
                    C::IncreaseX,
                    {},
                    C::ReduceXY,
                    C::ReduceY,
                    C::ReduceX,
                    {},
                    C::MoveLeft,
                    C::MoveRight,
                    C::MoveUp,
                    C::MoveDown,
                    {},
                    C::FullScreen});
    graphToolbar_ = new GraphToolbar(this, [this](Command c) { return Action(c); });
    auto* calculus = new QToolBar("Calculus", this);
    calculus->setObjectName("CalcToolbar");
    fill(calculus, {C::Calculator, C::AnalyseFunction, C::Intersections, C::Derivative,
                    C::TangentNormal, C::Integration, C::Regression});
    toolbars_ = {standard, graphToolbar_, calculus};
    for (QToolBar* bar : toolbars_) {
        bar->setIconSize(QSize(16, 16));
        bar->setFloatable(true);
        bar->setMovable(true);
    }
    addToolBar(Qt::TopToolBarArea, standard);
    addToolBar(Qt::TopToolBarArea, calculus);
    addToolBarBreak(Qt::TopToolBarArea);
    addToolBar(Qt::TopToolBarArea, graphToolbar_);
}

void MainWindow::ConnectGraphToolbar() {
    GraphToolbar* bar = graphToolbar_;
    connect(bar->GraphList, &QComboBox::activated, bar, &GraphToolbar::Select);
    const std::pair<QComboBox*, StyleField> choosers[] = {
        {bar->LineWidthChooser, StyleField::LineWidth},
        {bar->PointSizeChooser, StyleField::PointWidth},
        {bar->PointStyleChooser, StyleField::PointStyle},
        {bar->ColorChooser, StyleField::Color},
        {bar->ShadingChooser, StyleField::Brush}};
    for (const auto& [box, field] : choosers)
        connect(box, &QComboBox::activated, this,
                [this, field](int item) { graphs_->ChangeStyle(field, item); });
    connect(bar, &QToolBar::topLevelChanged, this, [bar] {
        bar->RefillChoosers();
        bar->Select(0);
    });
}

}  // namespace plotwise
