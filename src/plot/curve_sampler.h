// Samplers of the graphs drawn as curves through their points: Y(x) and X(y) (kinds 0, 1),
// polar and parametric (kinds 2, 3). Each discards the old values first and returns false
// only when the user interrupted; a formula that does not compile leaves no values.
#pragma once

#include "plot/feedback.h"
#include "plot/graph.h"
#include "plot/options_record.h"

namespace plotwise {

// One value per argument of the graph's effective interval, as the formula returns it
// (+Infinity where it fails or past the interval's end). With findBreaks, the poles and
// jumps between samples go into the graph's Breaks.
bool SampleExplicit(Graph& graph, const OptionsRecord& options, int index, Feedback& feedback,
                    bool findBreaks);

// x, y pairs over the graph's own interval (angles in units of pi for polar graphs), with
// no axis transform applied; breaks as above, where the radius or either formula has one.
bool SamplePolarOrParametric(Graph& graph, const OptionsRecord& options, int index,
                             Feedback& feedback, bool findBreaks);

}  // namespace plotwise
