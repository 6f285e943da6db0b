// The arguments at which a graph of kind 0 to 3 is sampled. Drawing recomputes them by the
// same rule, so the interval, the step count and PointsAlign must match between the two.
#pragma once

#include "formula/round12.h"

namespace plotwise {

struct ArgumentSteps {
    long double start = 0;  // Round12 of the interval's start
    long double end = 0;    // Round12 of its end
    long double h = 0;      // the step
    long double first = 0;  // the first argument

    // True for an argument past the end of the interval: its sample is no point.
    bool PastEnd(long double s) const { return s >= end - h && Round12(s) > end; }
};

// With pointsAlign the arguments are multiples of h, the first at or after start;
// otherwise they start at start. n is at least 1.
ArgumentSteps SampleArguments(long double start, long double end, int n, bool pointsAlign);

}  // namespace plotwise
