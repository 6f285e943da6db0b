#include "derivative/formula_printer.h"

#include "formula/number_text.h"
#include "formula/token_codes.h"

namespace plotwise {
namespace {

// Indexed by code - kSin.
constexpr const char* kFunctionNames[] = {
    "sin", "cos",  "sqrt", "atan", "abs",  "exp",  "int",  "frac",  "ln",    "lg",    "tan",
    "cot", "asin", "acos", "sinh", "cosh", "tanh", "coth", "asinh", "acosh", "atanh", "acoth"};

constexpr std::uint8_t kPointer = 52;  // a subtree reference; never in a finished list

}  // namespace

void TreeToInfix(const ExprNode& node, TokenList& out) {
    if (!node.left && !node.right) {
        out.push_back({node.value, node.code});
        return;
    }
    if (IsFunction(node.code)) {
        out.push_back({0, node.code});
        out.push_back({0, kOpenBracket});
        TreeToInfix(*node.right, out);
        out.push_back({0, kCloseBracket});
        return;
    }
    out.push_back({0, kOpenBracket});
    if (node.left) TreeToInfix(*node.left, out);
    out.push_back({0, node.code});
    TreeToInfix(*node.right, out);
    out.push_back({0, kCloseBracket});
}

TokenList TreeToInfix(const ExprNode& node) {
    TokenList out;
    TreeToInfix(node, out);
    return out;
}

std::string TokenText(const StackItem& item, const std::string& varName) {
    switch (item.code) {
        case kNumber: {
            const std::string text = NumToFormulaStr(item.value);
            return item.value < 0 && text[0] != '(' ? "(" + text + ")" : text;
        }
        case kOpenBracket:
            return "(";
        case kCloseBracket:
            return ")";
        case kVariable:
            return varName;
        case kPower:
            return "^";
        case kMinus:
        case kUnaryMinus:
            return "-";
        case kPlus:
            return "+";
        case kMultiply:
            return "*";
        case kDivide:
            return "/";
        case kPiWord:
            return "Pi";
        case kPointer:
            return "Pointer";
        default:
            if (item.code >= kSin && item.code <= kAcoth) return kFunctionNames[item.code - kSin];
            return std::string();
    }
}

std::string TokenListToText(const TokenList& list, const std::string& varName) {
    std::string text;
    for (const StackItem& item : list)
        text += TokenText(item, varName);
    return text;
}

}  // namespace plotwise
