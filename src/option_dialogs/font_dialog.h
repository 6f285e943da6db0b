// The font of axis names and labels chosen in the desktop's font dialog, with a colour
// button beside it, since the records keep a colour with each font.
#pragma once

#include "plot/options_record.h"

class QWidget;

namespace plotwise {

// Edits font's colour, name (up to 31 characters), style and size; false when cancelled,
// and font is then untouched.
bool ChooseFontRecord(QWidget* parent, FontRecord& font);

}  // namespace plotwise
