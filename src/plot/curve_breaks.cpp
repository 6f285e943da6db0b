#include "plot/curve_breaks.h"

#include <algorithm>
#include <cmath>

namespace plotwise {
namespace {

constexpr int kMaxHalvings = 32;
constexpr int kMaxEvaluations = 160;
// What is left of the first span after halving is this small: no line could show it.
constexpr long double kUnseen = 1.0L / 1024;
// A middle value this close to the ends' mean, relative to their difference, twice in a
// row: the curve is straight there.
constexpr long double kStraight = 0.125L;
// A span this many times the first one: the values grow without bound, a pole.
constexpr long double kPoleGrowth = 1048576;
// Eight halvings that shrink the span by at least this, twice over: a continuous curve with
// an upright tangent (a root's); a jump keeps its span however far it is halved.
constexpr long double kShrink = 0.9L;
constexpr int kShrinkWindow = 8;

enum class Outcome { Joined, Broken, Undecided };

class Search {
  public:
    explicit Search(const CurveFunction& f) : f_(f) {}

    // The interval a..b at the given depth of halving.
    Outcome Run(long double a, long double b, long double fa, long double fb, int depth) {
        int straight = 0;
        int steps = 0;  // halvings in a row that kept one half
        long double spans[kMaxHalvings + 1];
        for (; depth < kMaxHalvings; ++depth) {
            const long double m = a + (b - a) / 2;
            if (m == a || m == b) return Outcome::Broken;  // no argument left between them
            if (++evaluations_ > kMaxEvaluations) return Outcome::Undecided;
            const Evaluation e = f_(m);
            if (!e.Ok()) return Outcome::Broken;
            const long double fm = e.value;
            const long double lo = std::min(fa, fb);
            const long double hi = std::max(fa, fb);
            const long double span = std::max(hi, fm) - std::min(lo, fm);
            if (scale_ < 0) scale_ = span;
            if (span <= scale_ * kUnseen) return Outcome::Joined;
            if (span > scale_ * kPoleGrowth) return Outcome::Broken;
            if (fm >= lo && fm <= hi) {
                spans[steps++] = span;
                if (steps > 2 * kShrinkWindow &&
                    span < kShrink * spans[steps - 1 - kShrinkWindow] &&
                    spans[steps - 1 - kShrinkWindow] <
                        kShrink * spans[steps - 1 - 2 * kShrinkWindow])
                    return Outcome::Joined;
                straight =
                    std::fabs(fm - (fa + fb) / 2) <= (hi - lo) * kStraight ? straight + 1 : 0;
                if (straight == 2) return Outcome::Joined;
                // A jump lies in the steeper half.
                if (std::fabs(fm - fa) >= std::fabs(fb - fm)) {
                    b = m;
                    fb = fm;
                } else {
                    a = m;
                    fa = fm;
                }
                continue;
            }
            // Beyond both ends: a peak or a pole in either half. The steeper one first.
            straight = 0;
            steps = 0;
            const bool leftSteeper = std::fabs(fm - fa) >= std::fabs(fb - fm);
            const Outcome first =
                leftSteeper ? Run(a, m, fa, fm, depth + 1) : Run(m, b, fm, fb, depth + 1);
            if (first != Outcome::Joined) return first;
            if (leftSteeper) {
                a = m;
                fa = fm;
            } else {
                b = m;
                fb = fm;
            }
        }
        return Outcome::Broken;
    }

  private:
    const CurveFunction& f_;
    long double scale_ = -1;  // the span of the first halving
    int evaluations_ = 0;
};

// Differences this small against the values are Round12's last digits, not the curve.
inline bool Visible(long double difference, long double v1, long double v2) {
    return difference > 1e-10L * std::max(std::fabs(v1), std::fabs(v2));
}

}  // namespace

bool BreaksBetween(const CurveFunction& f, long double a, long double b, long double fa,
                   long double fb) {
    return Search(f).Run(a, b, fa, fb, 0) == Outcome::Broken;
}

void BreakScanner::Finish() {
    window_[count_ % 4] = {};
    if (++count_ >= 3) Check();
}

void BreakScanner::CheckCandidate(const Sample& a, const Sample& b, const Sample& after) {
    const long double d = std::fabs(b.rise);
    if (!Visible(d, a.v, b.v) &&
        !(a.rise * after.rise < 0 && (Visible(std::fabs(a.rise), a.v, a.v - a.rise) ||
                                      Visible(std::fabs(after.rise), b.v, after.v))))
        return;
    const Evaluation fa = f_(a.s);
    const Evaluation fb = f_(b.s);
    if (!fa.Ok() || !fb.Ok()) return;
    if (BreaksBetween(f_, a.s, b.s, fa.value, fb.value) &&
        (breaks_.empty() || breaks_.back() != a.i))
        breaks_.push_back(a.i);
}

}  // namespace plotwise
