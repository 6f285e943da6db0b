// A table graph's drawing order: a sorted copy of its rows, the record left as entered.
#pragma once

#include "plot/graph.h"

namespace plotwise {

// Fills Values with the 100 rows as x, y pairs: incomplete rows first, then complete rows by
// X (SortType 0) or Y (1), compared as displayed; SortType 2 keeps the entry order.
void PrepareTable(Graph& graph);

}  // namespace plotwise
