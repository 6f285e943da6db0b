#include "calculator.h"

#include <cmath>

#include "apply_operation.h"
#include "extended.h"
#include "formula_errors.h"
#include "round12.h"
#include "token_codes.h"

namespace plotwise {

TCalculatorBase::TCalculatorBase(const TStackList& program, bool twoVariables)
    : programSize_(program.Size()) {
    // Programs come top first, so they are walked from the end of the array.
    int depth = 0;
    bool valid = true;
    const TStackItem* items = program.Data();
    for (std::size_t k = program.Size(); k-- > 0;) {
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
    stack_.resize(static_cast<std::size_t>(maxDepth_));
}

long double TCalculatorBase::Run(const TStackList& program, std::uint8_t& err, long double x,
                                 long double y) {
    if (!valid_ || program.Size() != programSize_) {
        err = kInvalidArgument;
        return 0;
    }
    err = kNoError;
    long double* next = stack_.data();  // the first free place
    const TStackItem* const first = program.Data();
    for (const TStackItem* item = first + program.Size(); item-- != first;) {
        const std::uint8_t code = item->code;
        switch (code) {
            case kNumber: *next++ = item->value; break;
            case kVariable: *next++ = x; break;
            case kSecondVariable: *next++ = y; break;
            case kPower:
            case kMinus:
            case kPlus:
            case kMultiply:
            case kDivide: {
                const long double b = *--next;
                next[-1] = ApplyOperation(code, err, next[-1], b);
                if (err != kNoError) return 0;
                break;
            }
            default:
                next[-1] = ApplyOperation(code, err, 0, next[-1]);
                if (err != kNoError) return 0;
                break;
        }
    }
    // A lone number or variable passes no operation, so the limit is applied here too.
    const long double result = next[-1];
    if (!(std::fabs(result) <= kMaxResult)) {
        err = kInvalidArgument;
        return 0;
    }
    return result;
}

long double TCalculator::Calculate(const TStackList& program, std::uint8_t& err, long double x) {
    return Round12(Run(program, err, x, 0));
}

long double TCalculator2Var::Calculate(const TStackList& program, std::uint8_t& err,
                                       long double x, long double y) {
    return Round12(Run(program, err, x, y));
}

}  // namespace plotwise
