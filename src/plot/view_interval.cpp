#include "plot/view_interval.h"

#include <cinttypes>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "formula/number_input.h"
#include "formula/round12.h"

namespace plotwise {
namespace {

struct IntervalBounds {
    long double min;
    long double max;
};

// The half width is lost in rounding far from 0; the full width then moves the view.
IntervalBounds ChangedX(long double min, long double max, IntervalChange change) {
    const long double w = max - min;
    const long double c = (min + max) * 0.5L;
    switch (change) {
        case IntervalChange::None:
            return {min, max};
        case IntervalChange::Increase:
            return {RoundTo8(c - w), RoundTo8(c + w)};
        case IntervalChange::Reduce:
            return {RoundTo8(c - w * 0.25L), RoundTo8(c + w * 0.25L)};
        case IntervalChange::TowardSmaller:
        case IntervalChange::TowardGreater:
            break;
    }
    const long double sign = change == IntervalChange::TowardGreater ? 1.0L : -1.0L;
    const long double h = w * 0.5L;
    IntervalBounds moved{RoundTo8(min + sign * h), RoundTo8(max + sign * h)};
    if (moved.min == min || moved.max == max)
        moved = {RoundTo8(min + sign * w), RoundTo8(max + sign * w)};
    return moved;
}

// Y moves by a shift rounded first, so both bounds move by the same displayed amount.
IntervalBounds ChangedY(long double min, long double max, IntervalChange change) {
    if (change != IntervalChange::TowardSmaller && change != IntervalChange::TowardGreater)
        return ChangedX(min, max, change);
    const long double w = max - min;
    const long double sign = change == IntervalChange::TowardGreater ? 1.0L : -1.0L;
    long double h = RoundTo8(Round12(w * 0.5L));
    IntervalBounds moved{min + sign * h, max + sign * h};
    if (moved.min == min || moved.max == max) {
        h = RoundTo8(Round12(w));
        moved = {min + sign * h, max + sign * h};
    }
    return moved;
}

// Written so that NaN fails.
bool Within(long double v) {
    return std::fabs(v) <= kMaxFieldNumber;
}

std::string CheckInterval(const OptionsRecord& o, IntervalBounds x, IntervalBounds y) {
    if (!Within(x.min)) return "Minimum of X must be a number\rfrom -1*10^100 up to 1*10^100";
    if (!Within(x.max)) return "Maximum of X must be a number\rfrom -1*10^100 up to 1*10^100";
    if (!(x.max > x.min)) return "Maximum of X must be more\rthan minimum of X";
    if (!Within(y.min)) return "Minimum of Y must be a number\rfrom -1*10^100 up to 1*10^100";
    if (!Within(y.max)) return "Maximum of Y must be a number\rfrom -1*10^100 up to 1*10^100";
    if (!(y.max > y.min)) return "Maximum of Y must be more\rthan minimum of Y";
    if (o.LogX && LogBoundTooLarge(o.LogXBase, x.max)) return kLogBoundMessage;
    if (o.LogY && LogBoundTooLarge(o.LogYBase, y.max)) return kLogBoundMessage;
    return {};
}

void RescaleStep(Extended80& step, long double k) {
    const long double nice = NiceStep(step * k);
    // Below 1E-30 a step is read as 0.
    if (nice <= kMaxFieldNumber && RoundTo8(nice) > 0) step = nice;
}

// Rounds half to even: the integer nearest to n / 10^17 for n >= 0.
std::int64_t NearestOfScaled(std::int64_t n) {
    constexpr std::int64_t kScale = 100000000000000000;  // 10^17
    const std::int64_t q = n / kScale;
    const std::int64_t r = n % kScale;
    if (r * 2 > kScale || (r * 2 == kScale && q % 2 == 1)) return q + 1;
    return q;
}

}  // namespace

std::string CheckViewInterval(const OptionsRecord& options, long double minX, long double maxX,
                              long double minY, long double maxY) {
    return CheckInterval(options, {minX, maxX}, {minY, maxY});
}

IntervalChange MoveChange(bool axisForward, bool towardScreenForward) {
    return axisForward == towardScreenForward ? IntervalChange::TowardGreater
                                              : IntervalChange::TowardSmaller;
}

long double FlushTiny(long double v) {
    return std::fabs(v) < 1e-20L ? 0.0L : v;
}

bool LogBoundTooLarge(long double base, long double x) {
    return !(base > 0 && std::log(base) * x < std::log(kMaxFieldNumber));
}

long double NiceStep(long double v) {
    if (!std::isfinite(v) || v == 0) return v;
    // The mantissa to 18 significant digits, as a whole number of 10^-17: the choice and its
    // ties are then decided on the decimal digits, free of binary noise.
    char text[64];
    std::snprintf(text, sizeof text, "%.17Le", std::fabs(v));
    const char* e = std::strchr(text, 'e');
    if (e == nullptr) return v;
    std::int64_t m = 0;
    for (const char* p = text; p < e; ++p)
        if (*p >= '0' && *p <= '9') m = m * 10 + (*p - '0');
    const int exponent = std::atoi(e + 1);
    constexpr std::int64_t kScale = 100000000000000000;  // 10^17
    const std::int64_t halves = NearestOfScaled(2 * m);  // a = halves * 0.5
    const std::int64_t fifths = NearestOfScaled(5 * m);  // b = fifths * 0.2
    const std::int64_t toA = std::llabs(m - halves * (kScale / 2));
    const std::int64_t toB = std::llabs(m - fifths * (kScale / 5));
    // The chosen mantissa in tenths: exact, so the decimal text reads back to the nearest
    // value and the step shows as written.
    const std::int64_t tenths = toA < toB ? halves * 5 : fifths * 2;
    std::snprintf(text, sizeof text, "%s%" PRId64 ".%" PRId64 "e%d", v < 0 ? "-" : "", tenths / 10,
                  tenths % 10, exponent);
    return std::strtold(text, nullptr);
}

void RescaleSteps(OptionsRecord& options, long double kx, long double ky) {
    if (Round12(kx) != 1) {
        RescaleStep(options.NumsX.Step, kx);
        RescaleStep(options.NumLinesX.Step, kx);
        RescaleStep(options.StepVert, kx);
    }
    if (Round12(ky) != 1) {
        RescaleStep(options.NumsY.Step, ky);
        RescaleStep(options.NumLinesY.Step, ky);
        RescaleStep(options.StepHor, ky);
    }
}

std::string ChangeViewInterval(OptionsRecord& options, IntervalChange x, IntervalChange y) {
    const long double minX = options.MinX;
    const long double maxX = options.MaxX;
    const long double minY = options.MinY;
    const long double maxY = options.MaxY;
    IntervalBounds nx = ChangedX(minX, maxX, x);
    IntervalBounds ny = ChangedY(minY, maxY, y);
    nx = {FlushTiny(nx.min), FlushTiny(nx.max)};
    ny = {FlushTiny(ny.min), FlushTiny(ny.max)};
    // Checked as stored: a Y move by less than the bounds' eighth digit can round them
    // together.
    const IntervalBounds storedX{RoundTo8(nx.min), RoundTo8(nx.max)};
    const IntervalBounds storedY{RoundTo8(ny.min), RoundTo8(ny.max)};
    std::string failure = CheckInterval(options, storedX, storedY);
    if (!failure.empty()) return failure;
    const long double kx = (nx.max - nx.min) / (maxX - minX);
    const long double ky = (ny.max - ny.min) / (maxY - minY);
    options.MinX = storedX.min;
    options.MaxX = storedX.max;
    options.MinY = storedY.min;
    options.MaxY = storedY.max;
    RescaleSteps(options, kx, ky);
    return {};
}

void WidenToEqualScales(OptionsRecord& options, int plotWidth, int plotHeight) {
    if (options.LogX || options.LogY || plotWidth <= 0 || plotHeight <= 0) return;
    const long double unitsX = (options.MaxX - options.MinX) * std::fabs(options.CoeffX);
    const long double unitsY = (options.MaxY - options.MinY) * std::fabs(options.CoeffY);
    const long double perUnitX = plotWidth / unitsX;
    const long double perUnitY = plotHeight / unitsY;
    if (!std::isfinite(perUnitX) || !std::isfinite(perUnitY) || !(perUnitX > 0) || !(perUnitY > 0))
        return;
    // Within a millionth: a view stored from an equal-scaled one, to its eight digits.
    constexpr long double kSame = 1e-6L;
    const bool widenX = perUnitX > perUnitY * (1 + kSame);
    if (!widenX && !(perUnitY > perUnitX * (1 + kSame))) return;
    Extended80& min = widenX ? options.MinX : options.MinY;
    Extended80& max = widenX ? options.MaxX : options.MaxY;
    const long double half = (max - min) * (widenX ? perUnitX / perUnitY : perUnitY / perUnitX) / 2;
    const long double middle = (min + max) / 2;
    const IntervalBounds wider{middle - half, middle + half};
    if (!Within(wider.min) || !Within(wider.max) || !(wider.max > wider.min)) return;
    min = wider.min;
    max = wider.max;
}

std::string StandardIntervals(OptionsRecord& options) {
    if ((options.LogX && LogBoundTooLarge(options.LogXBase, 10)) ||
        (options.LogY && LogBoundTooLarge(options.LogYBase, 10)))
        return kLogBoundMessage;
    options.MinX = -10.0L;
    options.MaxX = 10.0L;
    options.MinY = -10.0L;
    options.MaxY = 10.0L;
    for (Extended80* step : {&options.NumLinesX.Step, &options.NumLinesY.Step, &options.NumsX.Step,
                             &options.NumsY.Step, &options.StepHor, &options.StepVert})
        *step = 1.0L;
    return {};
}

}  // namespace plotwise
