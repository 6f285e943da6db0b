// CurrentOptions: the options of the active document, which the option dialogs and view
// commands edit and apply back; new documents start from them.
#pragma once

#include "plot/options_record.h"

namespace plotwise {

extern OptionsRecord CurrentOptions;

}  // namespace plotwise
