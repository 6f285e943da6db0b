#include "tools/derivative_tool.h"

#include <cctype>
#include <utility>

#include "derivative/derivative.h"
#include "derivative/expr_tree.h"
#include "formula/check_formula.h"
#include "formula/formula_errors.h"
#include "formula/text_utils.h"
#include "plot/graph.h"

namespace plotwise {

DerivativeDisplay DescribeDerivative(const std::string& formula, const std::string& varName) {
    DerivativeDisplay display;
    if (RemoveSpaces(formula).empty()) {
        display.message = "Empty formula";
        return display;
    }
    if (const FormulaError error = CheckFieldFormula(formula, varName);
        error != FormulaError::None) {
        display.message = FormulaErrorText(error);
        return display;
    }
    const DepthOrError measured = FormulaDepth(formula, varName);
    if (measured.error != FormulaError::None) {
        display.message = FormulaErrorText(measured.error);
        return display;
    }
    if (measured.depth >= kMaxDerivationDepth) {
        display.message = kTooLargeForDerivation;
        return display;
    }
    DerivedText derivative = DerivativeText(formula, varName);
    if (derivative.notDifferentiable) {
        display.message = kNotDifferentiable;
    } else if (derivative.error != FormulaError::None) {
        display.message = FormulaErrorText(derivative.error);
    } else if (derivative.text.size() >= kMaxDerivativeText) {
        display.message = kDerivativeTooLong;
    } else {
        display.text = std::move(derivative.text);
    }
    return display;
}

bool HasDerivativeKind(std::uint8_t kind) {
    return kind <= kParametric;
}

std::string FormulaVariable(std::uint8_t kind) {
    return std::string(1, static_cast<char>(std::tolower(KindVariable(kind))));
}

GraphDerivative DeriveGraph(const GraphRecord& graph) {
    GraphDerivative result;
    if (!HasDerivativeKind(graph.Kind)) {
        result.message = kNoDerivativeForKind;
        return result;
    }
    if (IsEmptyRecord(graph)) {
        result.message = "Empty formula";
        return result;
    }
    const std::string var = FormulaVariable(graph.Kind);
    DerivativeDisplay line = DescribeDerivative(graph.Formula().Text(), var);
    if (line.message.empty() && graph.Kind == kParametric) {
        const DerivativeDisplay lineY = DescribeDerivative(graph.FormulaY().Text(), var);
        if (!lineY.message.empty()) line.message = lineY.message;
        result.formulaY = lineY.text;
    }
    result.message = line.message;
    if (result.message.empty())
        result.formula = line.text;
    else
        result.formulaY.clear();
    return result;
}

GraphRecord DerivativeRecord(const GraphRecord& graph, const GraphDerivative& derivative) {
    GraphRecord record = graph;
    record.Formula().SetText(derivative.formula);
    if (graph.Kind == kParametric) record.FormulaY().SetText(derivative.formulaY);
    return record;
}

}  // namespace plotwise
