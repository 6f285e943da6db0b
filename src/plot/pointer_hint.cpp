#include "plot/pointer_hint.h"

#include <cmath>

#include "formula/number_text.h"

namespace plotwise {

std::string AxisValueText(long double v, long double min, long double max, bool log,
                          long double base) {
    if (log) return NumToStr(std::pow(base, v));
    return RangeNumToStrFixed(v, max - min, std::fabs(min) + std::fabs(max));
}

std::string PointerHint(const Document& document, int px, int py) {
    const PixelRect plot = document.GetPlotRect();
    if (py < plot.top || py > plot.bottom || px < plot.left || px > plot.right) return {};
    const OptionsRecord o = document.Shown();
    return AxisValueText(document.ScreenToX(px), o.MinX, o.MaxX, o.LogX, o.LogXBase) + ":" +
           AxisValueText(document.ScreenToY(py), o.MinY, o.MaxY, o.LogY, o.LogYBase);
}

}  // namespace plotwise
