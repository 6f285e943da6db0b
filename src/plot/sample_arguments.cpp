#include "plot/sample_arguments.h"

#include <cmath>

namespace plotwise {

ArgumentSteps SampleArguments(long double start, long double end, int n, bool pointsAlign) {
    ArgumentSteps a;
    a.h = (end - start) / n;
    a.first = pointsAlign ? (std::trunc(start / a.h) - 1) * a.h : start;
    a.start = Round12(start);
    a.end = Round12(end);
    a.scale = std::fmax(std::fabs(a.start), std::fabs(a.end));
    // The aligned start lies one or two steps before the interval; the bound only guards
    // against a step too small to move the argument.
    for (int guard = 0; Round12(a.first) < a.start && guard < 8; ++guard)
        a.first += a.h;
    return a;
}

}  // namespace plotwise
