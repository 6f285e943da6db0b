// The Calculus menu's windows. Each is made the first time it is asked for and lives with
// the main window, so what the user typed there is offered again.
#include <QComboBox>
#include <QPointer>
#include <algorithm>

#include "calc_form.h"
#include "current_options.h"
#include "derivative_form.h"
#include "document_window.h"
#include "graph_toolbar.h"
#include "integral_form.h"
#include "main_form.h"
#include "messages.h"
#include "regress_form.h"
#include "research_form.h"
#include "shell_feedback.h"
#include "tangent_form.h"

namespace plotwise {

std::vector<std::string> TMainForm::ActiveFunctionFormulas() const {
    std::vector<std::string> formulas;
    if (TMDIChild* child = ActiveDocument()) {
        for (const auto& graph : child->Document().Graphs)
            if (graph->Props.FuncStyle == fsYFromX && !graph->IsEmpty())
                formulas.push_back(graph->Props.Formula().Text());
    }
    return formulas;
}

void TMainForm::AnalyseFunctionCommand() {
    if (analysis_ == nullptr)
        analysis_ =
            std::make_unique<TFunctionAnalysisTool>(this, *messages_, *dialogs_, *feedback_);
    analysis_->Run(ActiveFunctionFormulas());
}

void TMainForm::IntegrationCommand() {
    if (integral_ == nullptr) integral_ = new TIntegralForm(this, *messages_, *feedback_);
    integral_->Execute(ActiveFunctionFormulas());
}

void TMainForm::CalculatorCommand() {
    if (calculator_ == nullptr) calculator_ = new TCalcForm(this, *messages_);
    calculator_->ShowCalculator();
}

namespace {

// The graphs of the document a tool window works on, as records in list order.
std::vector<TFunctionProps> GraphRecords(const TMDIChild* child) {
    std::vector<TFunctionProps> records;
    if (child != nullptr && !child->Closing()) {
        for (const auto& graph : child->Document().Graphs)
            records.push_back(graph->Props);
    }
    return records;
}

// The graph the tool windows start with: the Graph toolbar's, while the toolbar is shown.
int ToolGraphIndex(const TMainForm& form) {
    return form.ToolbarShown(TToolbar::Graph) ? form.GraphToolbar()->FuncComboBox->currentIndex()
                                              : -1;
}

}  // namespace

// The tool windows' way to the properties dialog, always into the document the window
// was opened on. When that document went away or another became active meanwhile, the
// window closes too: its graphs are no longer the ones to choose from.
TAddGraph TMainForm::ToolAddGraph() {
    return [this](const TFunctionProps& record) {
        if (toolDocument_ == nullptr || ActiveDocument() != toolDocument_) return true;
        return AddGraphFromRecord(record) || toolDocument_ == nullptr ||
               ActiveDocument() != toolDocument_;
    };
}

void TMainForm::DerivativeCommand() {
    toolDocument_ = ActiveDocument();
    if (derivative_ == nullptr) derivative_ = new TDerivativeForm(this, ToolAddGraph());
    derivative_->Execute(GraphRecords(ActiveDocument()), ToolGraphIndex(*this));
}

void TMainForm::TangentNormalCommand() {
    toolDocument_ = ActiveDocument();
    if (tangent_ == nullptr)
        tangent_ = new TTangentForm(this, *messages_, CurrentOptions, ToolAddGraph());
    tangent_->Execute(GraphRecords(ActiveDocument()), ToolGraphIndex(*this));
}

void TMainForm::RegressionCommand() {
    TMDIChild* child = ActiveDocument();
    if (child == nullptr) return;
    const std::vector<TFunctionProps> graphs = GraphRecords(child);
    if (std::none_of(graphs.begin(), graphs.end(),
                     [](const TFunctionProps& g) { return g.FuncStyle == fsTable; })) {
        messages_->Error("There is no graph determined by table");
        return;
    }
    toolDocument_ = child;
    if (regress_ == nullptr)
        regress_ = new TRegressForm(this, *messages_, CurrentOptions, ToolAddGraph());
    regress_->Execute(graphs, ToolGraphIndex(*this));
}

}  // namespace plotwise
