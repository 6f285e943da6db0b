// An implicit curve f(x, y) = 0 between sampling and drawing: the sampler keeps where the
// curve crosses the edges of its doubled grid (GridCrossings), and the segments are rebuilt
// from those crossings whenever they are drawn. A formula such as 0, which crosses every
// edge, thus takes 6 bytes an edge rather than 32 bytes a segment end.
#pragma once

#include <cmath>
#include <functional>

#include "plot/graph.h"
#include "plot/grid_function.h"
#include "plot/options_record.h"
#include "plot/segment_clip.h"

namespace plotwise {

// The nodes of an implicit curve's grid: columns 0..Columns() along X, rows 0..Rows() along Y.
class CurveGrid {
  public:
    CurveGrid(const GridArea& area, int columns, int rows)
        : x0_(area.xStart),
          y0_(area.yStart),
          dx_((area.xEnd - area.xStart) / columns),
          dy_((area.yEnd - area.yStart) / rows),
          columns_(columns),
          rows_(rows) {}
    // The grid of a graph's record under options: twice the entered steps per axis.
    CurveGrid(const GraphRecord& props, const OptionsRecord& options)
        : CurveGrid(GridAreaOf(props, options), 2 * GridStepsX(props), 2 * GridStepsY(props)) {}

    int Columns() const { return columns_; }
    int Rows() const { return rows_; }
    long double X(int i) const { return x0_ + i * dx_; }
    long double Y(int j) const { return y0_ + j * dy_; }
    long double StepX() const { return dx_; }
    long double StepY() const { return dy_; }

    // Whether the curve crosses the edge between node values a and b (a value on it counts).
    static bool Crosses(long double a, long double b) {
        return std::isfinite(a) && std::isfinite(b) && a * b <= 0;
    }
    // Where it crosses, from a's node (0) to b's (1); both 0 puts it at b's.
    static float Fraction(long double a, long double b) {
        return a == b ? 1.0f : static_cast<float>(a / (a - b));
    }

  private:
    long double x0_, y0_, dx_, dy_;
    int columns_, rows_;
};

// A crossing as the end of segments. It ends several of them, so a sink that judges and maps
// it (SegmentPen::Judge) does that once and keeps the result with it.
struct CurvePoint {
    bool found = false;
    mutable bool judged = false;
    mutable SegmentEnd end;  // end.x, end.y: the crossing in axis units
};

// Receives one segment; false stops the walk.
using CurveSegmentSink = std::function<bool(const CurvePoint& p, const CurvePoint& q)>;

// The segments of graph's curve, node column by node column: every pair of crossings on the
// edges of one cell, and two crossings on consecutive edges of one grid line closer than
// two steps; none of zero length. Nothing when the crossings are of another grid than the
// record's. False when the sink stopped the walk.
bool ForEachCurveSegment(const Graph& graph, const OptionsRecord& options,
                         const CurveSegmentSink& sink);

}  // namespace plotwise
