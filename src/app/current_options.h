// CurrentOptions: the options of the active document, which the option dialogs and view
// commands edit and apply back; new documents start from them.
#pragma once

#include "options_record.h"

namespace plotwise {

extern TOptionsRecord CurrentOptions;

}  // namespace plotwise
