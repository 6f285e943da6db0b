#include "formula/apply_operation.h"

#include "formula/operation_impl.h"

namespace plotwise {

Evaluation ApplyOperation(std::uint8_t code, long double a, long double b) {
    return operation_detail::Apply(code, a, b);
}

}  // namespace plotwise
