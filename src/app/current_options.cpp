#include "current_options.h"

namespace plotwise {

TOptionsRecord CurrentOptions = StandardOptions();

}  // namespace plotwise
