// The view interval commands' arithmetic: widening, narrowing and moving MinX..MaxX by
// MinY..MaxY, and the grid, mark and label steps that follow the new width. No widgets:
// the commands show the message these return and apply the options themselves.
#pragma once

#include <string>

#include "plot/options_record.h"

namespace plotwise {

enum class IntervalChange { None, Increase, Reduce, TowardSmaller, TowardGreater };

// The change that moves the picture the way a move button points on screen: toward greater
// values on an axis that runs forward (X to the right, Y upwards), toward smaller on a
// reversed one.
IntervalChange MoveChange(bool axisForward, bool towardScreenForward);

inline constexpr char kLogBoundMessage[] =
    "Too large value of the boundary of the interval\r(in view of the logarithmic scale)";

// Below 1E-20 in magnitude a boundary is 0 (the remains of rounding about a centre of 0).
long double FlushTiny(long double v);

// Whether base to the power x reaches 1E100, or base is no valid base; true for NaN.
bool LogBoundTooLarge(long double base, long double x);

// v with its mantissa moved to the nearer of the nearest multiples of 0.5 and of 0.2 (a
// tie goes to 0.2): 3.33 gives 3.4, 0.0224 gives 0.022. Not finite: v itself.
long double NiceStep(long double v);

// Scales the Cartesian grid, mark and label steps by kx along X and ky along Y, each made
// nice; a ratio that rounds to 1, or a step that would leave 0..1E100, changes nothing.
void RescaleSteps(OptionsRecord& options, long double kx, long double ky);

// The message of the first bound of a view that the view commands refuse (beyond
// -1*10^100..1*10^100, empty, or too large for a logarithmic scale), or empty.
std::string CheckViewInterval(const OptionsRecord& options, long double minX, long double maxX,
                              long double minY, long double maxY);

// Applies the changes to options' interval and rescales the steps. Returns the message
// of the first failed check, and then leaves options untouched; empty on success.
std::string ChangeViewInterval(OptionsRecord& options, IntervalChange x, IntervalChange y);

// Widens the view on one axis about its middle so that a unit of X spans as many of the
// plot's width pixels as a unit of Y of its height pixels, in the units formulas see (the
// axis coefficients included), so circles come out round. Nothing on a logarithmic scale,
// when the scales are already equal, or when the wider view would leave +-1E100.
void WidenToEqualScales(OptionsRecord& options, int plotWidth, int plotHeight);

// -10..10 on both axes with all six steps 1, or the logarithmic scale's message.
std::string StandardIntervals(OptionsRecord& options);

}  // namespace plotwise
