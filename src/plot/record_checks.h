// What a record read from a file must satisfy, and the normalisation applied to what is
// read, so that every value equals what the program displays for it.
#pragma once

#include "plot/graph_record.h"
#include "plot/options_record.h"

namespace plotwise {

// Every floating value is compared as RoundTo8 gives it.
bool CheckOptionsRecord(const OptionsRecord& options);
bool CheckGraphRecord(const GraphRecord& props);

// RoundTo8 of the stored floating fields; style indices modulo their number of choices.
void NormaliseOptions(OptionsRecord& options);
void NormaliseGraph(GraphRecord& props);

}  // namespace plotwise
