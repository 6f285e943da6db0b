// The Trace window's computation: which graphs can be walked and how far, the coordinates
// of each computed point, and the readout texts. It reads the stored points only.
#pragma once

#include <cstdint>
#include <string>

#include "plot/document.h"
#include "plot/graph.h"
#include "plot/record_types.h"

namespace plotwise {

// What the Trace window offers for one graph.
struct TraceSetup {
    bool enabled = false;  // the scroll bar walks points 1..maximum
    int maximum = 0;
    std::string message;        // shown instead of the coordinates when nothing can be walked
    bool showArgument = false;  // the A= (polar) or T= (parametric) line
    bool showRadius = false;    // the R= line (polar)
};

TraceSetup SetupTrace(const Graph& graph, const OptionsRecord& options);

// One point as the readout shows it: axis values before a logarithmic scale (what the
// pointer's hint shows). +Infinity: no value.
struct TracedPoint {
    long double x = kNoPoint;
    long double y = kNoPoint;
    long double argument = kNoPoint;  // polar: the angle in units of pi; parametric: t
    long double radius = kNoPoint;    // polar: with the sign the formula gave it
};

// Point p (1-based, as the scroll bar counts) of a graph SetupTrace enabled, under the
// options it was sampled with.
TracedPoint TracePoint(const Graph& graph, const OptionsRecord& options, int p);

struct TraceTexts {
    std::string x;         // "X=1.5" or "X: Error"
    std::string y;         // "Y=..." or "Y: Error"
    std::string argument;  // "A=0.25 Pi", "T=2", "A: Error", "T: Error"; empty for other kinds
    std::string radius;    // "R=..." or "R: Error"; empty but for polar graphs
};

TraceTexts TraceReadout(std::uint8_t kind, const TracedPoint& point);

// The variable a kind is walked along, as the readout names it: "X" (Y(x), tables), "Y"
// (X(y)), "A" (polar, in units of pi), "T" (parametric).
std::string TraceArgumentName(std::uint8_t kind);

// The value a point of a graph of this kind is walked along (see TraceArgumentName).
long double TraceArgument(std::uint8_t kind, const TracedPoint& point);

// Of the points 1..maximum of a graph SetupTrace enabled, the one whose argument (as
// TraceArgumentName names it) lies nearest value, the first on a tie; 0 when none has one.
int NearestTracePoint(const Graph& graph, const OptionsRecord& options, int maximum,
                      long double value);

// Of the points 1..maximum, the one drawn nearest pixel (px, py) of the document's picture;
// 0 when none has a place there.
int NearestTracePixel(const Graph& graph, const Document& document, int maximum, int px, int py);

}  // namespace plotwise
