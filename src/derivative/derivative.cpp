#include "derivative/derivative.h"

#include "derivative/derive_rules.h"
#include "derivative/expr_tree.h"
#include "derivative/formula_printer.h"
#include "derivative/paren_removal.h"
#include "derivative/simplify.h"
#include "formula/compiled_formula.h"
#include "formula/formula_errors.h"
#include "formula/postfix_converter.h"
#include "formula/text_utils.h"

namespace plotwise {
namespace {

// The steps both entry points share: compile, derive, compile the derivative, simplify.
// Returns no tree when there is no result; the flags say why.
ExprTree SimplifiedDerivative(const std::string& text, const std::string& varName,
                              std::uint8_t& err, bool& notDifferentiable) {
    err = kNoError;
    notDifferentiable = false;
    StackList program;
    CompileProgram(text, varName, err, program);
    if (err != kNoError || program.Size() > kMaxDerivableNodes) return nullptr;
    const ExprTree tree = BuildTree(program);
    if (!tree) return nullptr;
    if (!IsDifferentiable(tree.get())) {
        notDifferentiable = true;
        return nullptr;
    }
    TokenList derivative{{0, kOpenBracket}};
    Derive(*tree, derivative);
    derivative.push_back({0, kCloseBracket});
    PostfixConverter().Transform(TokenListToStack(derivative), program, err);
    if (err != kNoError) return nullptr;
    ExprTree result = BuildTree(program);
    Simplify(result);
    return result;
}

}  // namespace

void DerivativeText(const std::string& text, const std::string& varName, std::uint8_t& err,
                    std::string& resultText, bool& notDifferentiable) {
    if (RemoveSpaces(text).empty()) return;
    resultText.clear();
    const ExprTree tree = SimplifiedDerivative(text, varName, err, notDifferentiable);
    if (!tree) return;
    TokenList printed = TreeToInfix(*tree);
    RemoveParens(printed);
    resultText = TokenListToText(printed, varName);
}

void DerivativeTokens(const std::string& text, const std::string& varName, StackList& tokens,
                      bool& notDifferentiable, std::uint8_t& err) {
    if (RemoveSpaces(text).empty()) return;
    tokens.Clear();
    const ExprTree tree = SimplifiedDerivative(text, varName, err, notDifferentiable);
    if (!tree) return;
    TokenList printed{{0, kOpenBracket}};
    TreeToInfix(*tree, printed);
    printed.push_back({0, kCloseBracket});
    tokens = TokenListToStack(printed);
}

}  // namespace plotwise
