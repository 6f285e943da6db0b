// Samplers of the graphs drawn as curves through their points: Y(x) and X(y) (kinds 0, 1),
// polar and parametric (kinds 2, 3). Each discards the old values first and returns false
// only when the user interrupted; a formula that does not compile leaves no values.
#pragma once

#include "feedback.h"
#include "function.h"
#include "options_record.h"

namespace plotwise {

// One value per argument of the graph's effective interval, as the formula returns it
// (+Infinity where it fails or past the interval's end).
bool CalcExplicit(TFunction& graph, const TOptionsRecord& options, int index, TFeedback& feedback);

// x, y pairs over the graph's own interval (angles in units of pi for polar graphs), with
// no axis transform applied.
bool CalcPolarParam(TFunction& graph, const TOptionsRecord& options, int index,
                    TFeedback& feedback);

}  // namespace plotwise
