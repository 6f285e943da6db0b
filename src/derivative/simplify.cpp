#include "derivative/simplify.h"

#include "formula/apply_operation.h"
#include "formula/formula_errors.h"
#include "formula/token_codes.h"

namespace plotwise {
namespace {

bool IsNumber(const ExprTree& node) {
    return node && node->code == kNumber;
}

bool IsNumber(const ExprTree& node, long double value) {
    return IsNumber(node) && node->value == value;
}

bool IsUnaryMinus(const ExprTree& node) {
    return node && node->code == kUnaryMinus;
}

// The node becomes the number its operation gives, unless the operation fails.
void Fold(ExprNode& node) {
    const long double a = node.left ? node.left->value : 0;
    const Evaluation result = ApplyOperation(node.code, a, node.right->value);
    if (!result.Ok()) return;
    node.left.reset();
    node.right.reset();
    node.code = kNumber;
    node.value = result.value;
}

void ToNumber(ExprTree& node, long double value) {
    node->left.reset();
    node->right.reset();
    node->code = kNumber;
    node->value = value;
}

// Replaces node by one of its own subtrees.
void Keep(ExprTree& node, ExprTree ExprNode::*side) {
    ExprTree kept = std::move((*node).*side);
    node = std::move(kept);
}

// Replaces a unary minus node by its argument.
void Unwrap(ExprTree& negation) {
    ExprTree argument = std::move(negation->right);
    negation = std::move(argument);
}

// Replaces node by unary minus of one of its subtrees.
void Negate(ExprTree& node, ExprTree ExprNode::*side) {
    auto negated = std::make_unique<ExprNode>();
    negated->code = kUnaryMinus;
    negated->right = std::move((*node).*side);
    node = std::move(negated);
}

void SimplifyProduct(ExprTree& node) {
    if (IsNumber(node->left) && IsNumber(node->right)) {
        Fold(*node);
    } else if (IsNumber(node->right)) {
        if (node->right->value == 0) {
            ToNumber(node, 0);
        } else if (node->right->value == 1) {
            Keep(node, &ExprNode::left);
        } else if (node->right->value == -1) {
            Negate(node, &ExprNode::left);
        }
    } else if (IsNumber(node->left)) {
        if (node->left->value == 0) {
            ToNumber(node, 0);
        } else if (node->left->value == 1) {
            Keep(node, &ExprNode::right);
        } else if (node->left->value == -1) {
            Negate(node, &ExprNode::right);
        }
    }
}

void SimplifyPower(ExprTree& node) {
    if (IsNumber(node->left) && IsNumber(node->right)) {
        Fold(*node);
    } else if (IsNumber(node->right, 0)) {
        ToNumber(node, 1);
    } else if (IsNumber(node->right, 1)) {
        Keep(node, &ExprNode::left);
    }
}

void SimplifyDifference(ExprTree& node) {
    if (IsNumber(node->left) && IsNumber(node->right)) {
        Fold(*node);
    } else if (IsNumber(node->right, 0)) {
        Keep(node, &ExprNode::left);
    } else if (IsNumber(node->left, 0)) {
        if (IsUnaryMinus(node->right)) {
            Unwrap(node->right);  // 0 - (-x) is x
            Keep(node, &ExprNode::right);
        } else {
            Negate(node, &ExprNode::right);
        }
    } else if (IsUnaryMinus(node->right)) {
        node->code = kPlus;
        Unwrap(node->right);
    }
}

void SimplifySum(ExprTree& node) {
    if (IsNumber(node->left) && IsNumber(node->right)) {
        Fold(*node);
    } else if (IsNumber(node->right, 0)) {
        Keep(node, &ExprNode::left);
    } else if (IsNumber(node->left, 0)) {
        Keep(node, &ExprNode::right);
    } else if (IsUnaryMinus(node->right)) {
        node->code = kMinus;
        Unwrap(node->right);
    }
}

void SimplifyQuotient(ExprTree& node) {
    if (IsNumber(node->left) && IsNumber(node->right)) {
        Fold(*node);
    } else if (IsNumber(node->right)) {
        if (node->right->value == 1) Keep(node, &ExprNode::left);
    } else if (IsNumber(node->left, 0)) {
        ToNumber(node, 0);
    }
}

void SimplifyUnaryMinus(ExprTree& node) {
    if (IsNumber(node->right)) {
        Fold(*node);
    } else if (IsUnaryMinus(node->right)) {
        Unwrap(node->right);  // -(-x) is x
        Keep(node, &ExprNode::right);
    }
}

}  // namespace

void Simplify(ExprTree& node) {
    if (!node) return;
    Simplify(node->right);
    Simplify(node->left);
    if (!node->right) return;  // a leaf
    switch (node->code) {
        case kMultiply:
            SimplifyProduct(node);
            break;
        case kPower:
            SimplifyPower(node);
            break;
        case kMinus:
            SimplifyDifference(node);
            break;
        case kPlus:
            SimplifySum(node);
            break;
        case kDivide:
            SimplifyQuotient(node);
            break;
        case kUnaryMinus:
            SimplifyUnaryMinus(node);
            break;
        default:
            if (IsFunction(node->code) && IsNumber(node->right)) Fold(*node);
            break;
    }
}

}  // namespace plotwise
