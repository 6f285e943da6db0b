#include "derivative/derivative.h"

#include <utility>

#include "derivative/derive_rules.h"
#include "derivative/expr_tree.h"
#include "derivative/formula_printer.h"
#include "derivative/paren_removal.h"
#include "derivative/simplify.h"
#include "formula/compiled_formula.h"
#include "formula/postfix_converter.h"
#include "formula/text_utils.h"

namespace plotwise {
namespace {

// The steps both entry points share: compile, derive, compile the derivative, simplify.
// No tree when there is no result; the error or the flag says why.
struct Simplified {
    FormulaError error = FormulaError::None;
    bool notDifferentiable = false;
    ExprTree tree;
};

Simplified SimplifiedDerivative(const std::string& text, const std::string& varName) {
    const Compilation compiled = CompileProgram(text, varName);
    if (compiled.error != FormulaError::None) return {compiled.error, false, nullptr};
    if (compiled.program.Size() > kMaxDerivableNodes) return {};
    const ExprTree tree = BuildTree(compiled.program);
    if (!tree) return {};
    if (!IsDifferentiable(tree.get())) return {FormulaError::None, true, nullptr};
    TokenList derivative{{0, kOpenBracket}};
    Derive(*tree, derivative);
    derivative.push_back({0, kCloseBracket});
    const Compilation derived = PostfixConverter().Transform(TokenListToStack(derivative));
    if (derived.error != FormulaError::None) return {derived.error, false, nullptr};
    ExprTree result = BuildTree(derived.program);
    Simplify(result);
    return {FormulaError::None, false, std::move(result)};
}

}  // namespace

DerivedText DerivativeText(const std::string& text, const std::string& varName) {
    if (RemoveSpaces(text).empty()) return {};
    const Simplified derivative = SimplifiedDerivative(text, varName);
    DerivedText result{derivative.error, derivative.notDifferentiable, {}};
    if (!derivative.tree) return result;
    TokenList printed = TreeToInfix(*derivative.tree);
    RemoveParens(printed);
    result.text = TokenListToText(printed, varName);
    return result;
}

DerivedTokens DerivativeTokens(const std::string& text, const std::string& varName) {
    if (RemoveSpaces(text).empty()) return {};
    const Simplified derivative = SimplifiedDerivative(text, varName);
    DerivedTokens result{derivative.error, derivative.notDifferentiable, {}};
    if (!derivative.tree) return result;
    TokenList printed{{0, kOpenBracket}};
    TreeToInfix(*derivative.tree, printed);
    printed.push_back({0, kCloseBracket});
    result.tokens = TokenListToStack(printed);
    return result;
}

}  // namespace plotwise
