#include "plot/graph_renderer.h"

#include <QPen>
#include <cmath>

#include "draw/device_scale.h"
#include "draw/draw_routines.h"
#include "draw/style_colors.h"
#include "plot/pixel_lines.h"
#include "plot/point_sequence.h"

namespace plotwise {

QColor GraphColor(const RenderContext& ctx, const GraphRecord& props) {
    return ColorOf(ctx.blackAndWhite ? kBlack : props.Color, Qt::black);
}

QPen GraphPen(const RenderContext& ctx, const GraphRecord& props) {
    const int width = ScaledPixels(static_cast<std::int32_t>(props.LineWidth), ctx.graphWidthScale);
    QPen pen(GraphColor(ctx, props), ClampedPixels(width, kMaxLineWidth, ctx.scale.Min()));
    pen.setCapStyle(Qt::SquareCap);
    pen.setJoinStyle(Qt::RoundJoin);
    return pen;
}

void DrawSegment(RenderContext& ctx, const SegmentClipper& clipper, long double x1, long double y1,
                 long double x2, long double y2) {
    if (!clipper.Clip(x1, y1, x2, y2)) return;
    ctx.painter.drawLine(ctx.map.X(x1), ctx.map.Y(y1), ctx.map.X(x2), ctx.map.Y(y2));
}

SegmentPen::SegmentPen(RenderContext& ctx, long long maxGap)
    : ctx_(ctx), clipper_(ctx.options, maxGap) {}

SegmentPen::~SegmentPen() {
    Flush();
}

void SegmentPen::Judge(SegmentEnd& end) const {
    end.inside = clipper_.InsideUnrounded(end.x, end.y);
    if (end.inside) {
        end.px = ctx_.map.XOfRounded(end.x);
        end.py = ctx_.map.YOfRounded(end.y);
    }
}

void SegmentPen::Segment(const SegmentEnd& a, const SegmentEnd& b) {
    if (a.inside && b.inside) {
        if (clipper_.WithinGapUnrounded(a.x, a.y, b.x, b.y))
            Line(QPoint(a.px, a.py), QPoint(b.px, b.py));
        return;
    }
    long double x1 = a.x, y1 = a.y, x2 = b.x, y2 = b.y;
    if (!clipper_.Clip(x1, y1, x2, y2)) return;
    Line(QPoint(ctx_.map.X(x1), ctx_.map.Y(y1)), QPoint(ctx_.map.X(x2), ctx_.map.Y(y2)));
}

// A segment that goes on straight along a row or a column from where the pending one ends
// joins it: one line covers the same pixels, for any width of a solid pen.
void SegmentPen::Line(const QPoint& p1, const QPoint& p2) {
    if (p1 == p2 && p1 == lastEnd_ && drawn_) return;
    if (drawn_ && p1 == lastEnd_ && SameStraightWay(pendingStart_, p1, p2)) {
        lastEnd_ = p2;
        return;
    }
    Flush();
    pendingStart_ = p1;
    lastEnd_ = p2;
    drawn_ = true;
}

void SegmentPen::Flush() {
    if (drawn_) ctx_.painter.drawLine(pendingStart_, lastEnd_);
}

bool SegmentPen::SameStraightWay(const QPoint& a, const QPoint& b, const QPoint& c) {
    const QPoint first = b - a;
    const QPoint next = c - b;
    if (first.y() == 0 && next.y() == 0) return (first.x() > 0) == (next.x() > 0) && first.x() != 0;
    if (first.x() == 0 && next.x() == 0) return (first.y() > 0) == (next.y() > 0) && first.y() != 0;
    return false;
}

namespace {

// A graph's line through its points in order; a missing point breaks it.
class LineWalker {
  public:
    LineWalker(RenderContext& ctx, const Graph& graph) : pen_(ctx, graph.GetMaxGap()) {}

    void Add(long double x, long double y) {
        SegmentEnd end{x, y};
        pen_.Judge(end);
        if (havePrevious_) pen_.Segment(previous_, end);
        previous_ = end;
        havePrevious_ = true;
    }
    void Break() { havePrevious_ = false; }

  private:
    SegmentPen pen_;
    SegmentEnd previous_;
    bool havePrevious_ = false;
};

// The points of a smooth line, joined one to the next until a break.
class SmoothWalker {
  public:
    explicit SmoothWalker(SmoothLine& line) : line_(line) {}
    void Add(long double x, long double y) {
        if (have_) line_.Segment(x0_, y0_, x, y);
        x0_ = x;
        y0_ = y;
        have_ = true;
    }
    void Break() { have_ = false; }

  private:
    SmoothLine& line_;
    long double x0_ = 0;
    long double y0_ = 0;
    bool have_ = false;
};

// Hands a graph's points to line in order, with its breaks.
template <typename Line>
void WalkGraph(RenderContext& ctx, const Graph& graph, Line& line) {
    ForEachLinePoint(
        graph, ctx.options,
        [&](long double x, long double y) {
            line.Add(x, y);
            return !ctx.Interrupted();
        },
        [&] { line.Break(); });
}

// Closer than this (squared, in pixels) to the last point drawn, a point adds nothing a
// smooth line could show.
constexpr double kSmoothStep = 0.09;
// Points of a smooth line drawn in one call.
constexpr qsizetype kSmoothRun = 32;

}  // namespace

SmoothLine::SmoothLine(RenderContext& ctx, const SegmentClipper& clipper)
    : ctx_(ctx), clipper_(clipper) {
    ctx_.painter.save();
    ctx_.painter.setRenderHint(QPainter::Antialiasing, true);
}

SmoothLine::~SmoothLine() {
    Flush();
    ctx_.painter.restore();
}

void SmoothLine::Segment(long double x1, long double y1, long double x2, long double y2) {
    if (clipper_.InsideUnrounded(x1, y1) && clipper_.InsideUnrounded(x2, y2)) {
        if (!clipper_.WithinGapUnrounded(x1, y1, x2, y2)) return;
    } else if (!clipper_.Clip(x1, y1, x2, y2)) {
        return;
    }
    const QPointF a(ctx_.map.XF(x1), ctx_.map.YF(y1));
    const QPointF b(ctx_.map.XF(x2), ctx_.map.YF(y2));
    if (points_.isEmpty() || a != end_) {
        Flush();
        points_ << a;
    }
    end_ = b;
    const QPointF step = b - points_.back();
    endDrawn_ = step.x() * step.x() + step.y() * step.y() >= kSmoothStep;
    if (endDrawn_) points_ << b;
    continued_ = continued_ && points_.size() == 1;
    if (points_.size() >= kSmoothRun) {
        // Stroking a wide anti-aliased line costs far more than its length once it crosses
        // itself often, so long lines go in runs, each starting where the last ended.
        ctx_.painter.drawPolyline(points_);
        points_.remove(0, points_.size() - 1);
        continued_ = true;
    }
}

void SmoothLine::Flush() {
    if (points_.isEmpty()) return;
    if (!(continued_ && points_.size() == 1 && endDrawn_)) {
        if (!endDrawn_ || points_.size() == 1) points_ << end_;
        ctx_.painter.drawPolyline(points_);
    }
    points_.clear();
    endDrawn_ = true;
    continued_ = false;
}

void DrawLines(RenderContext& ctx, const Graph& graph) {
    ctx.painter.setPen(GraphPen(ctx, graph.Record()));
    if (ctx.smooth) {
        const SegmentClipper clipper(ctx.options, graph.GetMaxGap());
        SmoothLine line(ctx, clipper);
        SmoothWalker walker(line);
        WalkGraph(ctx, graph, walker);
        return;
    }
    LineWalker line(ctx, graph);
    WalkGraph(ctx, graph, line);
}

void DrawPoints(RenderContext& ctx, const Graph& graph) {
    const QColor color = GraphColor(ctx, graph.Record());
    ctx.painter.setPen(QPen(color, 1));
    ctx.painter.setBrush(color);
    const SegmentClipper clipper(ctx.options, graph.GetMaxGap());
    // A marker on the pixel of the one before adds nothing: long graphs put many there.
    bool drawn = false;
    QPoint last;
    ForEachGraphPoint(graph, ctx.options, [&](long double x, long double y) {
        if (std::isfinite(x) && std::isfinite(y) && clipper.InsideUnrounded(x, y)) {
            const QPoint at(ctx.map.X(x), ctx.map.Y(y));
            if (!drawn || at != last) {
                DrawPoint(ctx.painter, ctx.scale, at.x(), at.y(), graph.Record().PointStyle,
                          graph.Record().PointWidth);
            }
            drawn = true;
            last = at;
        }
        return !ctx.Interrupted();
    });
}

namespace {

// Smoothing for the strokes of a slope field. An aliased line covers the pixels to the right
// of and below its coordinates; through the pixel centres the smoothed one covers the same.
class SmoothStrokes {
  public:
    explicit SmoothStrokes(RenderContext& ctx) : painter_(ctx.smooth ? &ctx.painter : nullptr) {
        if (painter_ == nullptr) return;
        painter_->save();
        painter_->setRenderHint(QPainter::Antialiasing, true);
        painter_->translate(0.5, 0.5);
    }
    ~SmoothStrokes() {
        if (painter_ != nullptr) painter_->restore();
    }
    SmoothStrokes(const SmoothStrokes&) = delete;
    SmoothStrokes& operator=(const SmoothStrokes&) = delete;

  private:
    QPainter* painter_;
};

}  // namespace

void DrawGraphOn(RenderContext& ctx, const Graph& graph) {
    if (!graph.HasValues()) return;
    const GraphRecord& props = graph.Record();
    switch (props.Kind) {
        case kYOfX:
        case kXOfY:
        case kPolarGraph:
        case kParametric:
        case kTable:
            if (ShowsLines(props)) DrawLines(ctx, graph);
            if (ShowsPoints(props)) DrawPoints(ctx, graph);
            return;
        case kEquation:
            if (!props.DrawGraphic) return;
            if (props.Relation() == 0) {
                DrawEquation(ctx, graph);
            } else {
                DrawInequality(ctx, graph);
            }
            return;
        case kSlopeField:
            if (props.DrawGraphic) {
                const SmoothStrokes smooth(ctx);
                DrawSlopeField(ctx, graph);
            }
            return;
        default:
            return;
    }
}

}  // namespace plotwise
