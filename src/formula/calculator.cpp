#include "formula/calculator.h"

#include <cmath>

#include "formula/extended.h"
#include "formula/formula_errors.h"
#include "formula/operation_impl.h"
#include "formula/round12.h"
#include "formula/token_codes.h"

namespace plotwise {

CalculatorBase::CalculatorBase(StackList program, bool twoVariables)
    : program_(std::move(program)) {
    // Programs come top first, so they are walked from the end of the array.
    int depth = 0;
    bool valid = true;
    const StackItem* items = program_.Data();
    for (std::size_t k = program_.Size(); k-- > 0;) {
        const std::uint8_t code = items[k].code;
        if (code == kNumber || code == kVariable || (twoVariables && code == kSecondVariable)) {
            ++depth;
            if (depth > maxDepth_) maxDepth_ = depth;
        } else if (IsBinaryOperator(code)) {
            valid = valid && depth >= 2;
            --depth;
        } else if (code == kUnaryMinus || IsFunction(code)) {
            valid = valid && depth >= 1;
        } else {
            valid = false;
        }
    }
    valid_ = valid && depth == 1;
    stack_.resize(static_cast<std::size_t>(maxDepth_) + 1);  // +1: the first push spills
}

// Inlined into each entry point, so the value stays in a register until it is returned.
[[gnu::always_inline]] inline Evaluation CalculatorBase::Run(long double x, long double y) {
    if (!valid_) return {0, FormulaError::InvalidArgument};
    using namespace operation_detail;
    // The top of the stack stays in a register; the rest lives in stack_.
    long double top = 0;
    long double* below = stack_.data();
    const StackItem* const items = program_.Data();
    for (std::size_t k = program_.Size(); k-- > 0;) {
        const StackItem* item = items + k;
        Evaluation r;
        switch (item->code) {
            case kNumber:
                *below++ = top;
                top = item->value;
                continue;
            case kVariable:
                *below++ = top;
                top = x;
                continue;
            case kSecondVariable:
                *below++ = top;
                top = y;
                continue;
            case kPlus: {
                const long double a = *--below;
                r = Limited(Cancel(a + top, a, top));
                break;
            }
            case kMinus: {
                const long double a = *--below;
                r = Limited(Cancel(a - top, a, top));
                break;
            }
            case kMultiply:
                r = Limited(*--below * top);
                break;
            case kDivide:
                r = Quotient(*--below, top);
                if (r.Ok()) r = Limited(r.value);
                break;
            case kUnaryMinus:
                r = Limited(-top);
                break;
            case kPower:
                r = Power(*--below, top);
                if (r.Ok()) r = Limited(r.value);
                break;
            default:
                top = FunctionValue(item->code, top);
                if (std::isnan(top)) return {0, FunctionError(top)};
                continue;
        }
        if (!r.Ok()) return {0, r.error};
        top = r.value;
    }
    // A lone number or variable passes no operation, so the limit is applied here too.
    return Limited(top);
}

Evaluation Calculator::Evaluate(long double x) {
    return Run(x, 0);
}

Evaluation Calculator::Calculate(long double x) {
    const Evaluation r = Run(x, 0);
    return {Round12(r.value), r.error};
}

Evaluation Calculator2Var::Evaluate(long double x, long double y) {
    return Run(x, y);
}

Evaluation Calculator2Var::Calculate(long double x, long double y) {
    const Evaluation r = Run(x, y);
    return {Round12(r.value), r.error};
}

}  // namespace plotwise
