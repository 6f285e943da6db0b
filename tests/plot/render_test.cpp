// The picture, pixel by pixel: frame positions from the mapping, grid counts, labels and
// their sides, clipping, point markers, regions, slope segments, Esc, hostile values.
#include <gtest/gtest.h>

#include "plot/axis_steps.h"
#include "plot/graph_renderer.h"
#include "plot/point_sequence.h"
#include "plot_test_support.h"
#include "recording_feedback.h"
#include "render_support.h"

namespace plotwise {
namespace {

using testing_support::BareOptions;
using testing_support::BoxOf;
using testing_support::CountColor;
using testing_support::GraphOfKind;
using testing_support::Render;
using testing_support::Rgb;
using testing_support::TableOf;

constexpr int kRed = 9;
constexpr int kBlue = 12;

void SetView(OptionsRecord& o, long double minX, long double maxX, long double minY,
             long double maxY) {
    o.MinX = minX;
    o.MaxX = maxX;
    o.MinY = minY;
    o.MaxY = maxY;
}

// An own square area min..max on both axes in steps x steps cells.
void SetArea(GraphRecord& props, long double min, long double max, int steps) {
    GraphArea& area = props.Area();
    area.DefaultInterval = false;
    area.MinX = area.MinY = min;
    area.MaxX = area.MaxY = max;
    area.StepsNumX = area.StepsNumY = steps;
}

TEST(Frame, AxesLieWhereTheViewPutsThem) {
    // clang-format off
    const struct { long double minX, maxX, minY, maxY; bool logY; long double x0, y0; } cases[] = {
        {-10, 10, -10, 10, false, 0, 0},
        {1, 5, 1, 5, false, 1, 1},       // origin out of view: the nearer edges
        {-5, 5, 1, 5, false, 0, 1},
        {-8, -2, -9, -3, false, -2, -3},
        {-2, 3, -2, 3, true, 0, -2},     // a logarithmic axis lies at its minimum
    };
    // clang-format on
    for (const auto& c : cases) {
        Document doc(StandardOptions());
        SetView(doc.Options, c.minX, c.maxX, c.minY, c.maxY);
        doc.Options.LogY = c.logY;
        const QImage image = Render(doc);
        const PixelRect p = doc.GetPlotRect();
        const int ay = doc.YToScreen(c.y0);
        const int ax = doc.XToScreen(c.x0);
        SCOPED_TRACE(std::to_string(double(c.minX)) + ".." + std::to_string(double(c.maxX)));
        for (int x : {p.left + 3, (p.left + p.right) / 2 + 7, p.right - 3})
            EXPECT_EQ(image.pixel(x, ay), Rgb(0)) << "X axis at column " << x;
        for (int y : {p.top + 3, (p.top + p.bottom) / 2 + 7, p.bottom - 3})
            EXPECT_EQ(image.pixel(ax, y), Rgb(0)) << "Y axis at row " << y;
    }
}

TEST(Frame, GridLinesDoubleTheirStepAndLeaveTheAxisAlone) {
    // clang-format off
    const struct { long double step; bool yAxis; int lines; } cases[] = {
        {1, false, 21},
        {1, true, 20},        // the line on the Y axis is left out
        {0.001L, false, 79},  // doubled to 0.256: at most about 150 lines
        {-1, false, 0},       // a step no dialog allows draws nothing, and ends
    };
    // clang-format on
    for (const auto& c : cases) {
        Document doc(BareOptions());
        doc.Options.AxisY.Draw = c.yAxis;
        doc.Options.DrawVertLines = true;
        doc.Options.VertColor = kRed;
        doc.Options.StepVert = c.step;
        const QImage image = Render(doc, 800, 300);
        const PixelRect p = doc.GetPlotRect();
        EXPECT_EQ(CountColor(image, Rgb(kRed), QRect(0, p.top + 5, 800, 1)), c.lines) << c.step;
        if (c.yAxis) {
            EXPECT_EQ(image.pixel(doc.XToScreen(0), p.top + 5), Rgb(0));
        }
    }
}

TEST(Frame, ThickLinesPutTheirExtraPixelOnTheLeft) {
    Document doc(BareOptions());
    doc.Options.DrawVertLines = true;
    doc.Options.VertColor = kRed;
    doc.Options.VertWidth = 2;
    const QImage image = Render(doc);
    const int x = doc.XToScreen(5);
    const int y = doc.YToScreen(3);
    EXPECT_EQ(image.pixel(x - 1, y), Rgb(kRed));
    EXPECT_EQ(image.pixel(x, y), Rgb(kRed));
    EXPECT_NE(image.pixel(x + 1, y), Rgb(kRed));
}

TEST(Frame, PolarGridOnlyNearTheOriginAndOnPlainScales) {
    // clang-format off
    const struct { long double minX, maxX; bool logX; bool drawn; } cases[] = {
        {-10, 10, false, true},
        {100, 101, false, false},  // the origin is 101 view widths away
        {-2, 3, true, false},
    };
    // clang-format on
    for (const auto& c : cases) {
        Document doc(BareOptions());
        OptionsRecord& o = doc.Options;
        SetView(o, c.minX, c.maxX, 0, 1);
        o.LogX = c.logX;
        o.DrawRadius = true;
        o.RadiusColor = kRed;
        o.RadiusStep = 0.25L;
        o.DrawAngle = true;
        o.AngleColor = kBlue;
        const QImage image = Render(doc);
        EXPECT_EQ(BoxOf(image, Rgb(kRed)).isValid(), c.drawn) << double(c.minX);
        EXPECT_EQ(BoxOf(image, Rgb(kBlue)).isValid(), c.drawn) << double(c.minX);
        if (!c.drawn) continue;
        // Circles and rays stay inside the plot rectangle, its right and bottom edge included.
        const PixelRect p = doc.GetPlotRect();
        EXPECT_TRUE(QRect(QPoint(p.left, p.top), QPoint(p.right, p.bottom))
                        .contains(BoxOf(image, Rgb(kRed)) | BoxOf(image, Rgb(kBlue))));
        EXPECT_EQ(image.pixel(doc.XToScreen(0), doc.YToScreen(0.5L)), Rgb(kBlue));  // ray at pi/2
    }
}

TEST(Frame, AThickAxisStopsAtItsPointersBase) {
    for (const int pointer : {0, 1}) {
        Document doc(BareOptions());
        doc.Options.AxisX.Draw = true;
        doc.Options.AxisX.NameShow = false;
        doc.Options.NumsX.Show = false;
        doc.Options.NumLinesX.Show = false;
        doc.Options.AxisX.Width = 5;
        doc.Options.AxisX.Pointer = static_cast<std::uint8_t>(pointer);
        doc.Options.AxisX.Color = kRed;
        const QImage image = Render(doc);
        const PixelRect p = doc.GetPlotRect();
        const int ay = doc.YToScreen(0);
        const int tip = p.right + 5 + 9;
        SCOPED_TRACE(pointer);
        EXPECT_EQ(image.pixel(tip, ay), Rgb(kRed));
        // Two rows off the axis, near the tip: the arrow narrows there, the bare line does not.
        EXPECT_EQ(image.pixel(tip - 2, ay - 2) == Rgb(kRed), pointer == 1);
        EXPECT_EQ(BoxOf(image, Rgb(kRed)).left(), p.left - 5 - 9);
        EXPECT_EQ(BoxOf(image, Rgb(kRed)).height(), pointer == 0 ? 9 : 5);
    }
}

TEST(Frame, LabelTexts) {
    // clang-format off
    const struct { long double v, step, min, max; bool log; long double base; const char* text; }
    cases[] = {
        {5, 1, -10, 10, false, 10, "5"},
        {-2.5L, 0.5L, -10, 10, false, 10, "-2.5"},
        {1e-19L, 1, -10, 10, false, 10, "0"},  // an accumulated step, not a value
        {2, 1, -2, 3, true, 10, "10^2"},
        {0, 1, -2, 3, true, 10, "10^0"},
        {-1, 1, -2, 3, true, 10, "10^(-1)"},
        {1.5L, 0.5L, 0, 3, true, 2, "2^1.5"},
    };
    // clang-format on
    for (const auto& c : cases)
        EXPECT_EQ(AxisLabelText(c.v, c.step, c.min, c.max, c.log, c.base), c.text) << c.text;
}

TEST(Frame, LabelSidesAndTheOriginZero) {
    // clang-format off
    const struct { long double minY; bool below; bool zeroBelowOnX; bool originZero; } cases[] = {
        {-10, true, false, true},   // axes cross at the origin: one "0" in the Y label font
        {-10, false, false, true},
        {1, true, true, false},     // origin out of view: "0" is an ordinary X label
    };
    // clang-format on
    for (const auto& c : cases) {
        Document doc(StandardOptions());
        OptionsRecord& o = doc.Options;
        SetView(o, -5, 5, c.minY, 5);
        o.AxisX.NameShow = false;
        o.AxisY.NameShow = false;
        o.NumsX.Font.Color = 255;        // red
        o.NumsY.Font.Color = 255 << 16;  // blue
        o.NumsX.Direct = c.below;
        o.NumsX.ColorAsAxis = false;
        o.NumsY.ColorAsAxis = false;
        o.NumsY.Step = 100;  // no Y label but a hidden "0"
        const QImage image = Render(doc);
        const int ax = doc.XToScreen(0);
        const int ay = doc.YToScreen(o.MinY <= 0 ? 0 : static_cast<long double>(o.MinY));
        const QRect below(ax - 6, ay + 1, 13, 20);
        const QRect above(ax - 6, ay - 20, 13, 20);
        const QRect label3Below(doc.XToScreen(3) - 8, ay + 1, 17, 20);
        const QRect label3Above(doc.XToScreen(3) - 8, ay - 20, 17, 20);
        const QRgb red = qRgb(255, 0, 0);
        SCOPED_TRACE(std::to_string(double(c.minY)) + (c.below ? " below" : " above"));
        EXPECT_EQ(CountColor(image, red, c.below ? label3Below : label3Above) > 0, true);
        EXPECT_EQ(CountColor(image, red, c.below ? label3Above : label3Below), 0);
        EXPECT_EQ(CountColor(image, red, below) > 0, c.zeroBelowOnX);
        const QRect originZero(ax - 12, c.below ? ay : ay - 20, 12, 20);
        EXPECT_EQ(CountColor(image, qRgb(0, 0, 255), originZero) > 0, c.originZero);
    }
}

TEST(Graphs, ALineLeavingTheViewIsCutExactlyAtItsEdge) {
    Document doc(BareOptions());
    GraphRecord table = TableOf({{0, 0}, {10, 20}});
    table.Color = kBlue;
    doc.AddGraph(table);
    doc.CalculateGraphs();
    const QImage image = Render(doc);
    const QRect box = BoxOf(image, Rgb(kBlue));
    EXPECT_EQ(box.top(), doc.YToScreen(10));
    EXPECT_EQ(image.pixel(doc.XToScreen(5), doc.YToScreen(10)), Rgb(kBlue));
    EXPECT_EQ(box.bottomLeft(), QPoint(doc.XToScreen(0), doc.YToScreen(0)));
}

// Lines are drawn with shortcuts (each point mapped once, repeated pixels and straight runs
// joined); the picture must be the one of drawing every segment on its own.
TEST(Graphs, LinesAsIfEverySegmentWereDrawnOnItsOwn) {
    Document doc(BareOptions());
    // clang-format off
    const struct { const char* formula; int width; int steps; int gap; } graphs[] = {
        {"9*sin(x*37)", 1, 20000, 10000},  // swings across the view between samples
        {"x^3/50", 3, 20000, 10000},       // leaves the view at both ends
        {"1/x", 2, 2000, 10000},           // no value at 0
        {"tan(x)", 1, 20000, 50},          // jumps beyond the gap
        {"0.5", 2, 20000, 10000},          // one long row
        {"int(x)*2", 1, 777, 10000},       // steps: rows and columns
    };
    // clang-format on
    for (std::size_t k = 0; k < std::size(graphs); ++k) {
        GraphRecord props = GraphOfKind(kYOfX, graphs[k].formula);
        props.LineWidth = graphs[k].width;
        props.Color = static_cast<std::uint8_t>(9 + k % 6);
        props.Interval().DefaultSteps = false;
        props.Interval().StepsNum = graphs[k].steps;
        props.Interval().MaxGap = graphs[k].gap;
        doc.AddGraph(props);
    }
    doc.CalculateGraphs();
    const QImage drawn = Render(doc, 900, 700);
    doc.Drawing = true;
    QImage expected = Render(doc, 900, 700);
    QPainter painter(&expected);
    RenderContext ctx{painter, doc.Options, doc.ScreenMap(), SilentFeedback()};
    for (const auto& graph : doc.Graphs()) {
        painter.setPen(GraphPen(ctx, graph->Record()));
        const SegmentClipper clipper(doc.Options, graph->GetMaxGap());
        bool have = false;
        long double px = 0, py = 0;
        ForEachGraphPoint(*graph, doc.Options, [&](long double x, long double y) {
            const bool point = std::isfinite(x) && std::isfinite(y);
            if (point && have) DrawSegment(ctx, clipper, px, py, x, y);
            have = point;
            px = x;
            py = y;
            return true;
        });
    }
    painter.end();
    ASSERT_EQ(drawn.size(), expected.size());
    int differing = 0;
    for (int y = 0; y < drawn.height(); ++y) {
        for (int x = 0; x < drawn.width(); ++x)
            differing += drawn.pixel(x, y) != expected.pixel(x, y);
    }
    EXPECT_EQ(differing, 0);
}

TEST(Graphs, EmptyTableRowsDoNotBreakTheLine) {
    Document doc(BareOptions());
    GraphRecord table = TableOf({{-6, 0}, {0, 6}, {kNoPoint, kNoPoint}, {6, 0}});
    table.SortType = 2;
    table.Color = kBlue;
    doc.AddGraph(table);
    doc.CalculateGraphs();
    const QImage image = Render(doc);
    EXPECT_EQ(image.pixel(doc.XToScreen(3), doc.YToScreen(3)), Rgb(kBlue));
}

TEST(Graphs, MarkersOnTheEdgeOfTheViewAndNotBeyond) {
    Document doc(BareOptions());
    GraphRecord table = TableOf({{10, 0}, {10.001L, 5}});
    table.Lines = false;
    table.Points = true;
    table.PointStyle = 3;
    table.PointWidth = 3;
    table.Color = kRed;
    doc.AddGraph(table);
    doc.CalculateGraphs();
    const QImage image = Render(doc);
    EXPECT_EQ(BoxOf(image, Rgb(kRed)), QRect(doc.XToScreen(10) - 1, doc.YToScreen(0) - 1, 3, 3));
}

TEST(Graphs, AnImplicitCurveIsDrawnFromItsSegments) {
    Document doc(BareOptions());
    GraphRecord circle = GraphOfKind(kEquation, "x^2+y^2-25");
    circle.Color = kRed;
    doc.AddGraph(circle);
    doc.CalculateGraphs();
    const QImage image = Render(doc, 300, 300);
    const QRect box = BoxOf(image, Rgb(kRed));
    EXPECT_NEAR(box.left(), doc.XToScreen(-5), 1);
    EXPECT_NEAR(box.right(), doc.XToScreen(5), 1);
    EXPECT_NEAR(box.top(), doc.YToScreen(5), 1);
    EXPECT_EQ(image.pixel(doc.XToScreen(0), doc.YToScreen(0)), Rgb(15));  // a ring, not a disc
}

TEST(Graphs, InequalityCellsFilledWholeOrBySubCell) {
    Document doc(BareOptions());
    GraphRecord props = GraphOfKind(kEquation, "x");
    props.Relation() = 1;
    props.Color = kRed;
    props.Brush = 0;
    SetArea(props, 0, 10, 2);
    Graph& graph = doc.AddGraph(props);
    // Cells (1,1) whole, (1,2) empty, (2,1) its lower left sub-cell, (2,2) its upper right.
    graph.CellCodes = {0xFFFF, 0, 0x0001, 0x8000};
    const QImage image = Render(doc);
    // clang-format off
    const struct { long double x, y; bool filled; } probes[] = {
        {2.5L, 2.5L, true}, {2.5L, 7.5L, false},
        {5.6L, 0.6L, true}, {9.4L, 4.4L, false}, {5.6L, 4.4L, false},
        {9.4L, 9.4L, true}, {5.6L, 5.6L, false},
    };
    // clang-format on
    for (const auto& p : probes) {
        EXPECT_EQ(image.pixel(doc.XToScreen(p.x), doc.YToScreen(p.y)) == Rgb(kRed), p.filled)
            << double(p.x) << ", " << double(p.y);
    }
}

TEST(Graphs, SlopeSegmentsFollowTheAxesDirections) {
    // clang-format off
    const struct { long double f; int relation; bool right, up; int width, height; bool rising; }
    cases[] = {
        {0, 0, true, true, 20, 1, false},        // L pixels: the far end is left out
        {1e4000L, 0, true, true, 1, 20, false},  // too steep for k^2: upright, not lost
        {0, 1, true, true, 1, 20, false},        // dx/dy = 0: upright
        {1, 0, true, true, 0, 0, true},
        {1, 0, false, true, 0, 0, false},        // X reversed mirrors the segment
        {1, 0, false, false, 0, 0, true},
        {-1, 0, true, true, 0, 0, false},
    };
    // clang-format on
    for (const auto& c : cases) {
        Document doc(BareOptions());
        doc.Options.AxisX.Forward = c.right;
        doc.Options.AxisY.Forward = c.up;
        GraphRecord props = GraphOfKind(kSlopeField, "x");
        props.Relation() = static_cast<std::uint8_t>(c.relation);
        props.Color = kRed;
        SetArea(props, -1, 1, 1);
        props.Area().MaxGap = 20;  // the segment length in pixels
        doc.AddGraph(props).Values = {c.f};
        const QImage image = Render(doc, 300, 300);
        const QRect box = BoxOf(image, Rgb(kRed));
        SCOPED_TRACE(std::to_string(double(c.f)) + (c.right ? " right" : " left") +
                     (c.up ? " up" : " down"));
        EXPECT_TRUE(box.contains(doc.XToScreen(0), doc.YToScreen(0)));
        if (c.width != 0) {
            EXPECT_EQ(box.size(), QSize(c.width, c.height));
            continue;
        }
        EXPECT_NEAR(std::hypot(box.width(), box.height()), 20, 1.5);
        const bool rising =
            image.pixel(box.topRight()) == Rgb(kRed) && image.pixel(box.bottomLeft()) == Rgb(kRed);
        EXPECT_EQ(rising, c.rising);
    }
}

TEST(Graphs, EscStopsOneGraphAndTheRestIsStillDrawn) {
    Document doc(BareOptions());
    GraphRecord first = GraphOfKind(kYOfX, "x");
    first.Color = kBlue;
    first.Interval().DefaultSteps = false;
    first.Interval().StepsNum = 20000;
    GraphRecord second = GraphOfKind(kYOfX, "-x");
    second.Color = kRed;
    doc.AddGraph(first);
    doc.AddGraph(second);
    doc.CalculateGraphs();
    testing_support::RecordingFeedback feedback;
    feedback.escAtPoll = 1000;  // a twentieth of the first graph
    doc.Reporter = &feedback;
    const QImage image = Render(doc);
    EXPECT_LE(BoxOf(image, Rgb(kBlue)).right(), doc.XToScreen(-8.9L));
    EXPECT_EQ(BoxOf(image, Rgb(kRed)).width(), doc.GetPlotRect().Width() + 1);
}

TEST(Graphs, ValuesNoDialogOffersStayDrawable) {
    Document doc(StandardOptions());
    OptionsRecord& o = doc.Options;
    o.AxisX.NameFont.Size = 10000;
    o.NumsX.Font.Size = -5;
    o.NumLinesX.Length = 5000;
    o.AxisY.Width = 2000000000;
    o.DrawHorLines = true;
    o.HorWidth = -7;
    o.HorColor = 200;
    o.DrawRadius = true;
    o.RadiusColor = 2000000000;
    o.RadiusWidth = 2000000000;
    o.RadiusStep = 1e-4000L;
    GraphRecord thick = GraphOfKind(kYOfX, "3");
    thick.LineWidth = 2000000000;
    thick.Color = kRed;
    GraphRecord odd = GraphOfKind(kYOfX, "x");
    odd.Color = 200;
    odd.Points = true;
    odd.PointStyle = 200;
    odd.PointWidth = 2000000000;
    doc.AddGraph(thick);
    doc.AddGraph(odd);
    doc.CalculateGraphs();
    const QImage image = Render(doc);
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(CountColor(image, Rgb(kRed), QRect(doc.XToScreen(5), 0, 1, 300)), 5);
}

TEST(Bitmap, RenderingLeavesTheDocumentsSurfaceAsItWas) {
    Document doc(StandardOptions());
    QImage screen(50, 50, QImage::Format_RGB32);
    doc.Canvas = &screen;
    doc.OutputRect = {1, 2, 3, 4};
    const QImage image = Render(doc, 123, 145);
    EXPECT_EQ(image.size(), QSize(123, 145));
    EXPECT_EQ(doc.Canvas, &screen);
    EXPECT_TRUE(doc.OnScreen);
    EXPECT_EQ(doc.OutputRect.right, 3);
}

}  // namespace
}  // namespace plotwise
