#include "formula/calculator.h"

#include <cmath>
#include <limits>

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
    // Programs come top first, so the instructions are built from the end of the array.
    for (std::size_t k = program_.Size(); k-- > 0;) {
        const StackItem& item = items[k];
        const bool pushed = IsOperand(item.code);
        if (pushed && k > 0 && IsBinaryOperator(items[k - 1].code)) {
            const Operand from = item.code == kNumber     ? Operand::Constant
                                 : item.code == kVariable ? Operand::First
                                                          : Operand::Second;
            const std::uint8_t code = items[--k].code;
            const long double v = item.value;
            const bool whole = code == kPower && from == Operand::Constant &&
                               std::fabs(v) <= operation_detail::kMaxWholePower &&
                               v == std::rint(v);
            instructions_.push_back({code, from, whole ? static_cast<int>(v) : 0, v});
        } else {
            instructions_.push_back({item.code, Operand::Stack, 0, item.value});
        }
    }
}

// Inlined into each entry point, so the value stays in a register until it is returned.
[[gnu::always_inline]] inline Evaluation CalculatorBase::Run(long double x, long double y) {
    if (!valid_) return {0, FormulaError::InvalidArgument};
    using namespace operation_detail;
    // The top of the stack stays in a register; the rest lives in stack_.
    long double top = 0;
    long double* below = stack_.data();
    for (const Instruction& in : instructions_) {
        long double a;  // a binary operation's operands
        long double b;
        if (in.operand == Operand::Stack) {
            switch (in.code) {
                case kNumber:
                    *below++ = top;
                    top = in.value;
                    continue;
                case kVariable:
                    *below++ = top;
                    top = x;
                    continue;
                case kSecondVariable:
                    *below++ = top;
                    top = y;
                    continue;
                default:
                    break;
            }
            if (IsBinaryOperator(in.code)) {
                a = *--below;
                b = top;
            } else {
                a = 0;
                b = top;
            }
        } else {
            a = top;
            b = in.operand == Operand::Constant ? in.value : in.operand == Operand::First ? x : y;
        }
        // Every result passes the 1E500 limit (which also catches NaN) after the switch.
        constexpr Evaluation kInvalid{0, FormulaError::InvalidArgument};
        switch (in.code) {
            case kPlus:
                top = Cancel(a + b, a, b);
                break;
            case kMinus:
                top = Cancel(a - b, a, b);
                break;
            case kMultiply:
                top = a * b;
                break;
            case kDivide:
                if (b == 0) return {0, FormulaError::DivisionByZero};
                top = a / b;
                break;
            case kPower:
                // A whole constant exponent inline, anything else through the call.
                top = in.wholeExponent != 0 ? WholePowerOrNaN(a, in.wholeExponent)
                                            : std::numeric_limits<long double>::quiet_NaN();
                if (std::isnan(top)) {
                    top = PowerValue(a, b);
                    if (std::isnan(top)) return {0, FunctionError(top)};
                }
                break;
            case kUnaryMinus:
                top = -b;
                break;
            // The cheap functions and sine and cosine without the call of FunctionValue.
            case kAbs:
                top = std::fabs(b);
                break;
            case kInt:
                top = std::floor(b);
                break;
            case kFrac:
                top = Fraction(b);
                break;
            case kSqrt:
                if (b < 0) return kInvalid;
                top = std::sqrt(b);
                break;
            case kSin:
                top = Sine(b);
                break;
            case kCos:
                top = Cosine(b);
                break;
            default:
                top = FunctionValue(in.code, b);
                if (std::isnan(top)) return {0, FunctionError(top)};
                continue;
        }
        if (!(std::fabs(top) <= kMaxResult)) return kInvalid;
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
