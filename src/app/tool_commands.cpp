// The Calculus menu's windows. Each is made the first time it is asked for and lives with
// the main window, so what the user typed there is offered again.
#include "calc_form.h"
#include "document_window.h"
#include "integral_form.h"
#include "main_form.h"
#include "research_form.h"
#include "shell_feedback.h"

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

}  // namespace plotwise
