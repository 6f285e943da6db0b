// Samplers of the graphs computed on a rectangular grid of the plane: implicit curves and
// inequalities (kind 4) and slope fields (kind 5). Like the curve samplers they discard the
// old values first, leave none for a formula that does not compile, and return false only
// when the user interrupted.
#pragma once

#include "plot/feedback.h"
#include "plot/graph.h"
#include "plot/options_record.h"

namespace plotwise {

// f(x, y) = 0: the crossings of the curve with the edges of a grid of twice the entered
// steps per axis (Crossings; none when it crosses no edge).
bool SampleEquation(Graph& graph, const OptionsRecord& options, int index, Feedback& feedback);

// f(x, y) < 0 or > 0: one code per cell in CellCodes, 0 (nothing), FFFF hex (all), or the
// 4 x 4 mask of the satisfying sub-cells, bit 4 (a - 1) + (b - 1) for column a, row b.
bool SampleInequality(Graph& graph, const OptionsRecord& options, int index, Feedback& feedback);

// dy/dx or dx/dy = f(x, y): f at every cell centre (+Infinity where it fails).
bool SampleSlopeField(Graph& graph, const OptionsRecord& options, int index, Feedback& feedback);

}  // namespace plotwise
