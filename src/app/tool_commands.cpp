// The Calculus menu's windows. Each is made the first time it is asked for and lives with
// the main window, so what the user typed there is offered again.
#include <QComboBox>
#include <QPointer>
#include <algorithm>

#include "app/current_options.h"
#include "app/document_window.h"
#include "app/graph_toolbar.h"
#include "app/main_window.h"
#include "app/shell_feedback.h"
#include "services/messages.h"
#include "tool_windows/analysis_results_window.h"
#include "tool_windows/calculator_window.h"
#include "tool_windows/derivative_window.h"
#include "tool_windows/integral_window.h"
#include "tool_windows/regression_window.h"
#include "tool_windows/tangent_window.h"

namespace plotwise {

std::vector<std::string> MainWindow::ActiveFunctionFormulas() const {
    std::vector<std::string> formulas;
    if (DocumentWindow* child = ActiveDocument()) {
        for (const auto& graph : child->Doc().Graphs())
            if (graph->Record().Kind == kYOfX && !graph->IsEmpty())
                formulas.push_back(graph->Record().Formula().Text());
    }
    return formulas;
}

void MainWindow::AnalyseFunctionCommand() {
    if (analysis_ == nullptr)
        analysis_ = std::make_unique<FunctionAnalysisTool>(this, *messages_, *dialogs_, *feedback_);
    analysis_->Run(ActiveFunctionFormulas());
}

void MainWindow::IntegrationCommand() {
    if (integral_ == nullptr) integral_ = new IntegralWindow(this, *messages_, *feedback_);
    integral_->Execute(ActiveFunctionFormulas());
}

void MainWindow::CalculatorCommand() {
    if (calculator_ == nullptr) calculator_ = new CalculatorWindow(this, *messages_);
    calculator_->ShowCalculator();
}

namespace {

// The graphs of the document a tool window works on, as records in list order.
std::vector<GraphRecord> GraphRecords(const DocumentWindow* child) {
    std::vector<GraphRecord> records;
    if (child != nullptr && !child->Closing()) {
        for (const auto& graph : child->Doc().Graphs())
            records.push_back(graph->Record());
    }
    return records;
}

// The graph the tool windows start with: the Graph toolbar's, while the toolbar is shown.
int ToolGraphIndex(const MainWindow& form) {
    return form.ToolbarShown(ToolbarId::Graph) ? form.GraphBar()->FuncComboBox->currentIndex() : -1;
}

}  // namespace

// The tool windows' way to the properties dialog, always into the document the window
// was opened on. When that document went away or another became active meanwhile, the
// window closes too: its graphs are no longer the ones to choose from.
AddGraphCallback MainWindow::ToolAddGraph() {
    return [this](const GraphRecord& record) {
        if (toolDocument_ == nullptr || ActiveDocument() != toolDocument_) return true;
        return AddGraphFromRecord(record) || toolDocument_ == nullptr ||
               ActiveDocument() != toolDocument_;
    };
}

void MainWindow::DerivativeCommand() {
    toolDocument_ = ActiveDocument();
    if (derivative_ == nullptr) derivative_ = new DerivativeWindow(this, ToolAddGraph());
    derivative_->Execute(GraphRecords(ActiveDocument()), ToolGraphIndex(*this));
}

void MainWindow::TangentNormalCommand() {
    toolDocument_ = ActiveDocument();
    if (tangent_ == nullptr)
        tangent_ = new TangentWindow(this, *messages_, CurrentOptions, ToolAddGraph());
    tangent_->Execute(GraphRecords(ActiveDocument()), ToolGraphIndex(*this));
}

void MainWindow::RegressionCommand() {
    DocumentWindow* child = ActiveDocument();
    if (child == nullptr) return;
    const std::vector<GraphRecord> graphs = GraphRecords(child);
    if (std::none_of(graphs.begin(), graphs.end(),
                     [](const GraphRecord& g) { return g.Kind == kTable; })) {
        messages_->Error("There is no graph determined by table");
        return;
    }
    toolDocument_ = child;
    if (regress_ == nullptr)
        regress_ = new RegressionWindow(this, *messages_, CurrentOptions, ToolAddGraph());
    regress_->Execute(graphs, ToolGraphIndex(*this));
}

}  // namespace plotwise
