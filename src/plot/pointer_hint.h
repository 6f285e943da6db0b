// The world coordinates under the mouse pointer, as the document window's hint shows them.
#pragma once

#include <string>

#include "plot/document.h"

namespace plotwise {

// One coordinate of a view from min to max as the hints write it: the digits the width
// needs; a logarithmic axis shows the base raised to the value.
std::string AxisValueText(long double v, long double min, long double max, bool log,
                          long double base);

// "X:Y" for a pixel inside the plot rectangle (edges included), else empty. Axis values:
// the coefficients are not applied; a logarithmic axis shows the base raised to the value.
std::string PointerHint(const Document& document, int px, int py);

}  // namespace plotwise
