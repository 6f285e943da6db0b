// How a graph is named in the lists that let the user pick one.
#pragma once

#include <string>

#include "plot/graph_record.h"

namespace plotwise {

// "Y(x)=sin(x)", "x^2+y^2-1<0", "dy/dx=x*y", "Table: 3 items", ...; empty for a relation the
// kind does not have.
std::string GraphEntryText(const GraphRecord& props);

// Table rows whose X and Y are both filled.
int FilledTableRows(const GraphRecord& props);

}  // namespace plotwise
