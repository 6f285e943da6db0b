#include "plot/axis_steps.h"

#include <cmath>

#include "formula/number_text.h"
#include "formula/round12.h"

namespace plotwise {
namespace {

constexpr long double kMaxLines = 150;
// Above the most a limited step can give; stops a walk whose step no longer moves it.
constexpr int kMaxValues = 400;

}  // namespace

long double LimitedStep(long double step, long double min, long double max) {
    const long double range = max - min;
    if (!(step > 0) || !std::isfinite(step) || !(range > 0) || !std::isfinite(range)) return 0;
    while (range / step > kMaxLines)
        step *= 2;
    return step;
}

AxisStepValues AxisSteps(long double min, long double max, long double step) {
    AxisStepValues steps;
    steps.step = LimitedStep(step, min, max);
    if (steps.step == 0) return steps;
    const long double st = steps.step;
    const long double lo = Round12(min);
    const long double hi = Round12(max);
    long double c = (std::trunc(min / st) - 1) * st;
    for (int guard = 0; Round12(c) <= hi && guard < kMaxValues; ++guard) {
        if (Round12(c) >= lo) steps.values.push_back(c);
        const long double next = c + st;
        if (next == c) break;
        c = next;
    }
    return steps;
}

std::string AxisLabelText(long double v, long double step, long double min, long double max,
                          bool log, long double base) {
    const std::string t = std::fabs(v) < 0.001L * step
                              ? "0"
                              : RangeNumToStr(v, max - min, std::fabs(min) + std::fabs(max));
    if (!log) return t;
    const std::string b = NumToStr(base);
    if (t.find_first_of("-^") != std::string::npos) return b + "^(" + t + ")";
    return b + "^" + t;
}

}  // namespace plotwise
