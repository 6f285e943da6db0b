// Records of new graphs, from the default graph properties of an options record.
#pragma once

#include "function_props.h"
#include "options_record.h"

namespace plotwise {

// Resets the kind-specific part of props (kind props.FuncStyle) to the defaults: empty
// formulas and the standard interval or area block, or an empty table with the standard
// sorting. Style fields stay.
void SetNewProps(TFunctionProps& props, const TOptionsRecord& options);

// A new graph of the default kind (0 when the stored kind is none of 0..6) with the
// default style.
TFunctionProps NewGraphRecord(const TOptionsRecord& options);

}  // namespace plotwise
