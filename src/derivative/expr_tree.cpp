#include "derivative/expr_tree.h"

#include <algorithm>
#include <vector>

#include "formula/compiled_formula.h"
#include "formula/formula_errors.h"

namespace plotwise {

ExprNode::~ExprNode() {
    std::vector<ExprTree> pending;
    if (left) pending.push_back(std::move(left));
    if (right) pending.push_back(std::move(right));
    while (!pending.empty()) {
        ExprTree node = std::move(pending.back());
        pending.pop_back();
        if (node->left) pending.push_back(std::move(node->left));
        if (node->right) pending.push_back(std::move(node->right));
    }
}

ExprTree BuildTree(const StackList& program) {
    std::vector<ExprTree> stack;
    const StackItem* items = program.Data();
    for (std::size_t k = program.Size(); k-- > 0;) {
        auto node = std::make_unique<ExprNode>();
        node->code = items[k].code;
        if (IsOperand(node->code)) {
            node->value = items[k].value;
        } else {
            const bool binary = IsBinaryOperator(node->code);
            if (stack.size() < (binary ? 2u : 1u)) return nullptr;
            node->right = std::move(stack.back());
            stack.pop_back();
            if (binary) {
                node->left = std::move(stack.back());
                stack.pop_back();
            }
        }
        stack.push_back(std::move(node));
    }
    if (stack.size() != 1) return nullptr;
    return std::move(stack.back());
}

int TreeDepth(const ExprNode& node) {
    const int left = node.left ? TreeDepth(*node.left) : 0;
    const int right = node.right ? TreeDepth(*node.right) : 0;
    if (!node.left && !node.right) return 1;
    const bool flat = node.code == kPlus || node.code == kMinus || node.code == kUnaryMinus;
    return std::max(left, right) + (flat ? 0 : 1);
}

DepthOrError FormulaDepth(const std::string& text, const std::string& varName) {
    const Compilation compiled = CompileProgram(text, varName);
    if (compiled.error != FormulaError::None) return {0, compiled.error};
    if (compiled.program.Size() > kMaxDerivableNodes) return {kMaxDerivationDepth};
    const ExprTree tree = BuildTree(compiled.program);
    return {tree ? TreeDepth(*tree) : 0};
}

bool IsDifferentiable(const ExprNode* node) {
    std::vector<const ExprNode*> pending{node};
    while (!pending.empty()) {
        const ExprNode* next = pending.back();
        pending.pop_back();
        if (!next) continue;
        if (next->code == kAbs || next->code == kInt || next->code == kFrac) return false;
        pending.push_back(next->left.get());
        pending.push_back(next->right.get());
    }
    return true;
}

}  // namespace plotwise
