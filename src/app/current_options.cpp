#include "app/current_options.h"

namespace plotwise {

OptionsRecord CurrentOptions = StandardOptions();

}  // namespace plotwise
