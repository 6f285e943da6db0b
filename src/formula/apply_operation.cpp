#include "formula/apply_operation.h"

#include "formula/operation_impl.h"

namespace plotwise {

long double ApplyOperation(std::uint8_t code, std::uint8_t& err, long double a, long double b) {
    err = kNoError;
    return operation_detail::Apply(code, err, a, b);
}

}  // namespace plotwise
