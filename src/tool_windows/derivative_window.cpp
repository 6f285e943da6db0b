#include "tool_windows/derivative_window.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "plot/document.h"
#include "plot/graph_entry_text.h"
#include "plot/record_text.h"
#include "services/help_context.h"
#include "tool_windows/form_widgets.h"

namespace plotwise {
namespace {

enum Line { kYFromX, kXFromY, kPolar, kParamX, kParamY };

constexpr int kMaxLineText = 250;
constexpr int kLineWidth = 360;

// The line of a kind's only formula (parametric graphs use kParamX and kParamY).
int LineOf(std::uint8_t kind) {
    return kind == kXOfY ? kXFromY : kind == kPolarGraph ? kPolar : kYFromX;
}

}  // namespace

DerivativeWindow::DerivativeWindow(QWidget* parent, AddGraphCallback addGraph)
    : QDialog(parent), addGraph_(std::move(addGraph)) {
    setWindowTitle("Derivative");
    SetHelpContext(this, 26);
    funcBox_ = new QComboBox(this);
    funcBox_->setObjectName("FuncComboBox");
    funcBox_->setMinimumWidth(kLineWidth);

    auto* group = new QGroupBox("Derivative", this);
    auto* grid = new QGridLayout(group);
    const char* names[] = {"FormulaYFromXEdit", "FormulaXFromYEdit", "FormulaPolarEdit",
                           "FormulaParamXEdit", "FormulaParamYEdit"};
    const char* captions[] = {"Y(x)=", "X(y)=", "R(a)=", "X(t)=", "Y(t)="};
    for (int k = 0; k < 5; ++k) {
        lines_[k] = new QLineEdit(group);
        lines_[k]->setObjectName(names[k]);
        lines_[k]->setReadOnly(true);
        lines_[k]->setMaxLength(kMaxLineText);
        lines_[k]->setMinimumWidth(kLineWidth);
        labels_[k] = new QLabel(captions[k], group);
        labels_[k]->setBuddy(lines_[k]);
        grid->addWidget(labels_[k], k, 0);
        grid->addWidget(lines_[k], k, 1);
    }
    errorEdit_ = new QLineEdit(group);
    errorEdit_->setObjectName("ErrorEdit");
    errorEdit_->setReadOnly(true);
    errorEdit_->setFrame(false);
    grid->addWidget(errorEdit_, 5, 0, 1, 2);

    addButton_ = new QPushButton("Add graph", this);
    addButton_->setObjectName("AddFunctionButton");
    addButton_->setDefault(true);
    connect(addButton_, &QPushButton::clicked, this, &DerivativeWindow::OnAddGraph);
    connect(funcBox_, &QComboBox::currentIndexChanged, this, &DerivativeWindow::UpdateDerivative);
    QHBoxLayout* buttons = NewButtonRow(this, addButton_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(funcBox_);
    layout->addWidget(group);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void DerivativeWindow::Execute(const std::vector<GraphRecord>& graphs, int selected) {
    graphs_ = graphs;
    FillGraphList(funcBox_, graphs_, selected);
    UpdateDerivative();
    funcBox_->setFocus();
    while (exec() == kAddGraphResult)
        if (addGraph_(pending_)) break;
}

void DerivativeWindow::UpdateDerivative() {
    for (int k = 0; k < 5; ++k) {
        lines_[k]->hide();
        labels_[k]->hide();
        lines_[k]->clear();
    }
    errorEdit_->hide();
    const int index = funcBox_->currentIndex();
    if (index < 0 || static_cast<std::size_t>(index) >= graphs_.size()) {
        addButton_->setEnabled(false);
        return;
    }
    const GraphRecord& graph = graphs_[index];
    const GraphDerivative derivative = DeriveGraph(graph);
    if (!derivative.message.empty()) {
        errorEdit_->setText(FromRecordText(derivative.message));
        errorEdit_->show();
    } else if (graph.Kind == kParametric) {
        lines_[kParamX]->setText(FromRecordText(derivative.formula));
        lines_[kParamY]->setText(FromRecordText(derivative.formulaY));
        for (const int k : {kParamX, kParamY}) {
            lines_[k]->show();
            labels_[k]->show();
        }
    } else {
        const int k = LineOf(graph.Kind);
        lines_[k]->setText(FromRecordText(derivative.formula));
        lines_[k]->show();
        labels_[k]->show();
    }
    addButton_->setEnabled(derivative.message.empty());
}

void DerivativeWindow::OnAddGraph() {
    const int index = funcBox_->currentIndex();
    if (index < 0 || static_cast<std::size_t>(index) >= graphs_.size()) return;
    const GraphRecord& graph = graphs_[index];
    GraphDerivative derivative;
    const bool param = graph.Kind == kParametric;
    derivative.formula = ToRecordText(lines_[param ? kParamX : LineOf(graph.Kind)]->text());
    if (param) derivative.formulaY = ToRecordText(lines_[kParamY]->text());
    pending_ = DerivativeRecord(graph, derivative);
    // At the limit the properties dialog is not reached: only its message shows.
    if (graphs_.size() >= kMaxGraphs) {
        addGraph_(pending_);
        return;
    }
    done(kAddGraphResult);
}

}  // namespace plotwise
