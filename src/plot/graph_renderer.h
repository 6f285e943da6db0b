// Graphs drawn from their stored values; drawing never evaluates a formula. Kinds 0, 1, 2,
// 3 and 6 are lines and point markers; kind 4 an implicit curve or a shaded region; kind 5
// a slope field. Esc stops the graph being drawn.
#pragma once

#include <QPoint>
#include <QPolygonF>

#include "plot/graph.h"
#include "plot/render_context.h"
#include "plot/segment_clip.h"

namespace plotwise {

// Nothing for a graph without values or of kind 7.
void DrawGraphOn(RenderContext& ctx, const Graph& graph);

void DrawLines(RenderContext& ctx, const Graph& graph);
void DrawPoints(RenderContext& ctx, const Graph& graph);
void DrawEquation(RenderContext& ctx, const Graph& graph);
void DrawInequality(RenderContext& ctx, const Graph& graph);
void DrawSlopeField(RenderContext& ctx, const Graph& graph);

// The visible part of a segment in axis units, with the painter's pen.
void DrawSegment(RenderContext& ctx, const SegmentClipper& clipper, long double x1, long double y1,
                 long double x2, long double y2);

// Draws segments as DrawSegment would, every comparison on coordinates rounded to 11
// mantissa digits, for graphs whose points each end several segments: a point is judged
// and mapped once (Judge fills in inside and the pixel), and rounded only where a
// comparison is close. A segment that
// only repeats the pixel the last one ended on is not drawn again, and one that runs on
// straight along a row or a column from it extends it (the same pixels for any width of a
// solid pen); the last line is drawn when the pen goes.
class SegmentPen {
  public:
    SegmentPen(RenderContext& ctx, long long maxGap);
    ~SegmentPen();
    SegmentPen(const SegmentPen&) = delete;
    SegmentPen& operator=(const SegmentPen&) = delete;

    void Judge(SegmentEnd& end) const;
    void Segment(const SegmentEnd& a, const SegmentEnd& b);

  private:
    void Line(const QPoint& p1, const QPoint& p2);
    void Flush();
    static bool SameStraightWay(const QPoint& a, const QPoint& b, const QPoint& c);

    RenderContext& ctx_;
    SegmentClipper clipper_;
    QPoint pendingStart_;  // the line not yet drawn runs from here to lastEnd_
    QPoint lastEnd_;
    bool drawn_ = false;
};

// Lines of a smooth picture: anti-aliased, between pixels, joined where one segment starts
// where the last ended, and clipped and cut at the maximum gap as DrawSegment does.
class SmoothLine {
  public:
    SmoothLine(RenderContext& ctx, const SegmentClipper& clipper);
    ~SmoothLine();
    SmoothLine(const SmoothLine&) = delete;
    SmoothLine& operator=(const SmoothLine&) = delete;

    void Segment(long double x1, long double y1, long double x2, long double y2);

  private:
    void Flush();

    RenderContext& ctx_;
    const SegmentClipper& clipper_;
    QPolygonF points_;
    QPointF end_;             // where the last segment ended, drawn or not yet
    bool endDrawn_ = true;    // points_ ends at end_
    bool continued_ = false;  // points_ is only the end of a run already drawn
};

// A graph's colour as ctx draws it: black on a black-and-white page.
QColor GraphColor(const RenderContext& ctx, const GraphRecord& props);
// The pen of a graph's lines: its colour, its width times ctx's graph width scale, kept
// within what can be chosen.
QPen GraphPen(const RenderContext& ctx, const GraphRecord& props);

}  // namespace plotwise
