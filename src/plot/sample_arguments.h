// The arguments at which a graph of kind 0 to 3 is sampled. Drawing recomputes them by the
// same rule, so the interval, the step count and PointsAlign must match between the two.
#pragma once

#include "formula/residue.h"
#include "formula/round12.h"

namespace plotwise {

struct ArgumentSteps {
    long double start = 0;  // Round12 of the interval's start
    long double end = 0;    // Round12 of its end
    long double h = 0;      // the step
    long double first = 0;  // the first argument
    long double scale = 0;  // the larger magnitude of start and end

    // True for an argument past the end of the interval: its sample is no point.
    bool PastEnd(long double s) const { return s >= end - h && Round12(s) > end; }
    // The argument a sample is taken at: s, reached by adding steps, to 12 digits of the
    // interval's magnitude, so that the grid's own numbers come out exact (the middle of
    // -10..10 is 0, not the 1.7E-18 the additions leave).
    long double GridNumber(long double s) const { return Round12(ZeroIfResidue(s, scale, 1e-12L)); }
    // The i-th argument (from 1), reached as the sampler reaches it.
    long double At(int i) const {
        long double s = first;
        for (int k = 1; k < i; ++k)
            s += h;
        return s;
    }
};

// With pointsAlign the arguments are multiples of h, the first at or after start;
// otherwise they start at start. n is at least 1.
ArgumentSteps SampleArguments(long double start, long double end, int n, bool pointsAlign);

}  // namespace plotwise
