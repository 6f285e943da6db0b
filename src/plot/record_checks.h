// What a record read from a file must satisfy, and the normalisation applied to what is
// read, so that every value equals what the program displays for it.
#pragma once

#include "function_props.h"
#include "options_record.h"

namespace plotwise {

// Every floating value is compared as RoundTo8 gives it.
bool CheckOptionsRecord(const TOptionsRecord& options);
bool CheckGraphRecord(const TFunctionProps& props);

// RoundTo8 of the stored floating fields; style indices modulo their number of choices.
void NormaliseOptions(TOptionsRecord& options);
void NormaliseGraph(TFunctionProps& props);

}  // namespace plotwise
