#include "formula/apply_operation.h"

#include <limits>

#include "formula/operation_impl.h"

namespace plotwise {

Evaluation ApplyOperation(std::uint8_t code, long double a, long double b) {
    return operation_detail::Apply(code, a, b);
}

void SineAndCosine(long double x, long double& sine, long double& cosine) {
    operation_detail::SineAndCosine(x, sine, cosine);
}

namespace {

long double ValueOrNaN(const Evaluation& r) {
    if (r.Ok()) return r.value;
    const long double nan = std::numeric_limits<long double>::quiet_NaN();
    return r.error == FormulaError::DivisionByZero ? -nan : nan;
}

}  // namespace

long double operation_detail::FunctionValue(std::uint8_t code, long double b) {
    return ValueOrNaN(Apply(code, 0, b));
}

long double operation_detail::PowerValue(long double a, long double b) {
    return ValueOrNaN(Apply(kPower, a, b));
}

}  // namespace plotwise
