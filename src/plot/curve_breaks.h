// Where a curve must not be joined from one sample to the next: a pole (tan(x) at pi/2),
// a jump (int(x) at a whole number) or an argument without a value between two that have
// one. A steep but continuous stretch (tanh(100x) at 0, x^9 at the edge) stays joined.
#pragma once

#include <algorithm>
#include <cmath>
#include <functional>
#include <vector>

#include "formula/calculator.h"

namespace plotwise {

// The formula's value at an argument in sampling units, before Round12: the check compares
// values finer than the stored samples show.
using CurveFunction = std::function<Evaluation(long double)>;

// Whether f has a pole or a jump between a and b, or no value somewhere there; fa and fb
// are its finite values at a and b. Bisects towards the steepest part (both halves where
// the middle lies beyond both ends, as near a pole or a peak): a continuous stretch soon
// gets straight or too small to see, a jump never does, a pole grows. Stops after a
// bounded number of evaluations and then keeps the line.
bool BreaksBetween(const CurveFunction& f, long double a, long double b, long double fa,
                   long double fb);

// Watches one coordinate of a curve as it is sampled and checks only the intervals that
// look like a pole or a jump from the samples around them: a change much larger than both
// its neighbours, one against both of them, or one where the curve turns back.
class BreakScanner {
  public:
    // Intervals found go into breaks as the number of the sample they follow, ascending.
    BreakScanner(CurveFunction f, std::vector<int>& breaks) : f_(std::move(f)), breaks_(breaks) {}

    // Sample i (from 1, in order) at argument s, with its stored value v (not finite: none).
    // Inline: it runs for every sample, and extended values passed to a call go through
    // memory.
    void Add(int i, long double s, long double v) {
        const Sample& previous = window_[(count_ + 3) % 4];
        const bool ok = std::isfinite(v);
        window_[count_ % 4] = {i, s, v, ok && previous.ok ? v - previous.v : 0, ok};
        if (++count_ >= 3) Check();
    }
    // After the last sample.
    void Finish();

  private:
    struct Sample {
        int i = 0;
        long double s = 0;
        long double v = 0;
        long double rise = 0;  // from the sample before; 0 unless both have a value
        bool ok = false;
    };
    // An interval this many times as steep as both its neighbours may hold a jump; a smooth
    // curve's steepest interval is hardly steeper than those beside it.
    static constexpr long double kSteeper = 2;

    // The interval between the middle two samples of the window, the oldest at count_ % 4.
    void Check() {
        const Sample& a = window_[(count_ + 1) % 4];
        const Sample& b = window_[(count_ + 2) % 4];
        const Sample& after = window_[(count_ + 3) % 4];
        if (!a.ok || !b.ok) return;
        // Against both neighbours (tan(x) across its pole falls where it rises around it),
        // turning back around the interval (a peak, or a pole whose two sides came out
        // alike), or much steeper than both neighbours (a jump).
        const bool against = b.rise * a.rise < 0 && b.rise * after.rise < 0;
        const bool turns = a.rise * after.rise < 0;
        const bool steep =
            std::fabs(b.rise) > kSteeper * std::max(std::fabs(a.rise), std::fabs(after.rise));
        if (against || turns || steep) CheckCandidate(a, b, after);
    }
    void CheckCandidate(const Sample& a, const Sample& b, const Sample& after);

    CurveFunction f_;
    std::vector<int>& breaks_;
    Sample window_[4];  // the last four samples, as a ring
    int count_ = 0;     // samples added, and the empty one after the last
};

}  // namespace plotwise
