#include "formula/calculator.h"

#include <cmath>

#include "formula/apply_operation.h"
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

long double CalculatorBase::Run(std::uint8_t& err, long double x, long double y) {
    if (!valid_) {
        err = kInvalidArgument;
        return 0;
    }
    using namespace operation_detail;
    // The top of the stack stays in a register; the rest lives in stack_.
    std::uint8_t e = kNoError;
    long double top = 0;
    long double* below = stack_.data();
    const StackItem* const items = program_.Data();
    for (std::size_t k = program_.Size(); k-- > 0;) {
        const StackItem* item = items + k;
        const std::uint8_t code = item->code;
        switch (code) {
            case kNumber:
                *below++ = top;
                top = item->value;
                break;
            case kVariable:
                *below++ = top;
                top = x;
                break;
            case kSecondVariable:
                *below++ = top;
                top = y;
                break;
            case kPlus: {
                const long double a = *--below;
                top = Limited(Cancel(a + top, a, top), e);
                break;
            }
            case kMinus: {
                const long double a = *--below;
                top = Limited(Cancel(a - top, a, top), e);
                break;
            }
            case kMultiply:
                top = Limited(*--below * top, e);
                break;
            case kDivide: {
                const long double a = *--below;
                top = Limited(Quotient(a, top, e), e);
                break;
            }
            case kUnaryMinus:
                top = Limited(-top, e);
                break;
            case kPower: {
                const long double a = *--below;
                top = Power(a, top, e);
                if (e == kNoError) top = Limited(top, e);
                break;
            }
            default:
                top = ApplyOperation(code, e, 0, top);
                break;
        }
        if (e != kNoError) {
            err = e;
            return 0;
        }
    }
    err = kNoError;
    // A lone number or variable passes no operation, so the limit is applied here too.
    if (!(std::fabs(top) <= kMaxResult)) {
        err = kInvalidArgument;
        return 0;
    }
    return top;
}

long double Calculator::Calculate(std::uint8_t& err, long double x) {
    return Round12(Run(err, x, 0));
}

long double Calculator2Var::Calculate(std::uint8_t& err, long double x, long double y) {
    return Round12(Run(err, x, y));
}

}  // namespace plotwise
