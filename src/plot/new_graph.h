// Records of new graphs, from the default graph properties of an options record.
#pragma once

#include <string>
#include <vector>

#include "plot/graph_record.h"
#include "plot/options_record.h"

namespace plotwise {

// Resets the kind-specific part of props (kind props.Kind) to the defaults: empty
// formulas and the standard interval or area block, or an empty table with the standard
// sorting. Style fields stay.
void SetNewProps(GraphRecord& props, const OptionsRecord& options);

// A new graph of the default kind (0 when the stored kind is none of 0..6) with the
// default style.
GraphRecord NewGraphRecord(const OptionsRecord& options);
// A new graph of the kind with the default style and the kind's standard block, its
// formula set when one is given (the tools' derived lines and fits).
GraphRecord NewGraphRecordOfKind(std::uint8_t kind, const std::string& formula,
                                 const OptionsRecord& options);

// The colour a new graph gets when new graphs take the least used colour: the colour index
// used by the fewest of the given colours, the default graph colour on a tie with it, else
// the first in the order 1..15, 0. Never the background's, nor that of a grid, polar grid
// or axis that is shown.
std::uint8_t NewGraphColor(const std::vector<std::uint8_t>& usedColors,
                           const OptionsRecord& options);

}  // namespace plotwise
