// The picture, pixel by pixel: frame positions from the mapping, grid counts, labels and
// their sides, clipping, point markers, regions, slope segments, Esc, hostile values; the
// printed page, 16-colour bitmaps and the trace cross.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <random>

#include "plot/axis_steps.h"
#include "plot/graph_renderer.h"
#include "plot/point_sequence.h"
#include "plot/print_run.h"
#include "plot/trace_cross.h"
#include "plot_test_support.h"
#include "recording_feedback.h"
#include "render_support.h"

namespace plotwise {
namespace {

using namespace testing_support;

constexpr int kRed = 9;
constexpr int kYellow = 11;
constexpr int kBlue = 12;

// An own square area min..max on both axes in steps x steps cells.
void SetArea(GraphRecord& props, long double min, long double max, int steps) {
    GraphArea& area = props.Area();
    area.DefaultInterval = false;
    area.MinX = area.MinY = min;
    area.MaxX = area.MaxY = max;
    area.StepsNumX = area.StepsNumY = steps;
}

// Adds the graph in the colour to the document and samples it.
Graph& AddSampled(Document& doc, GraphRecord props, int color) {
    props.Color = static_cast<std::uint8_t>(color);
    Graph& graph = doc.AddGraph(props);
    doc.CalculateGraph(graph, doc.Options, 0);
    return graph;
}

TEST(Frame, AxesLieWhereTheViewPutsThem) {
    // clang-format off
    const struct { long double minX, maxX, minY, maxY; bool logY; long double x0, y0; } cases[] = {
        {-10, 10, -10, 10, false, 0, 0},
        {1, 5, 1, 5, false, 1, 1},       // origin out of view: the nearer edges
        {-5, 5, 1, 5, false, 0, 1}, {-8, -2, -9, -3, false, -2, -3},
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

TEST(Frame, GridLinesDoubleTheirStepLeaveTheAxisAloneAndWidenToTheLeft) {
    // clang-format off
    const struct { long double step; bool yAxis; int width, pixels; } cases[] = {
        {1, false, 1, 21},
        {1, true, 1, 20},        // the line on the Y axis is left out
        {0.001L, false, 1, 79},  // doubled to 0.256: at most about 150 lines
        {-1, false, 1, 0},       // a step no dialog allows draws nothing, and ends
        {1, false, 2, 42},       // the extra pixel on the left
    };
    // clang-format on
    for (const auto& c : cases) {
        Document doc(BareOptions());
        doc.Options.AxisY.Draw = c.yAxis;
        doc.Options.DrawVertLines = true;
        doc.Options.VertColor = kRed;
        doc.Options.VertWidth = c.width;
        doc.Options.StepVert = c.step;
        const QImage image = Render(doc, 800, 300);
        const int y = doc.GetPlotRect().top + 5;
        EXPECT_EQ(CountColor(image, Rgb(kRed), QRect(0, y, 800, 1)), c.pixels) << c.step;
        EXPECT_EQ(image.pixel(doc.XToScreen(0), y) == Rgb(0), c.yAxis);
        if (c.width == 2) {
            EXPECT_EQ(image.pixel(doc.XToScreen(5) - 1, y), Rgb(kRed));
            EXPECT_NE(image.pixel(doc.XToScreen(5) + 1, y), Rgb(kRed));
        }
    }
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

TEST(Frame, AThickAxisStopsAtItsPointersBaseUnlessItHasNoPointer) {
    // Style 1 is no pointer; 2 and 3 come only from files and draw none, but keep the end.
    for (const int pointer : {0, 1, 2, 3}) {
        Document doc(BareOptions());
        doc.Options.AxisX.Draw = true;
        doc.Options.AxisX.NameShow = false;
        doc.Options.NumsX.Show = false;
        doc.Options.NumLinesX.Show = false;
        doc.Options.AxisX.Width = 5;
        doc.Options.AxisX.Pointer = static_cast<std::uint8_t>(pointer);
        doc.Options.AxisX.Color = kRed;
        const QImage image = Render(doc, 800, 600);
        const PixelRect p = doc.GetPlotRect();
        const int ay = doc.YToScreen(0);
        const int tip = p.right + 5 + 9;
        const QRect box = BoxOf(image, Rgb(kRed));
        EXPECT_EQ(box.left(), p.left - 5 - 9) << pointer;
        EXPECT_EQ(box.right(), pointer < 2 ? tip : p.right + 5) << pointer;
        // Two rows off the axis, near the tip: the arrow narrows there, the bare line does not.
        EXPECT_EQ(image.pixel(tip - 2, ay - 2) == Rgb(kRed), pointer == 1) << pointer;
        EXPECT_EQ(box.height(), pointer == 0 ? 9 : 5);
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
        const QRect label3Below(doc.XToScreen(3) - 8, ay + 1, 17, 20);
        const QRect label3Above(doc.XToScreen(3) - 8, ay - 20, 17, 20);
        const QRgb red = qRgb(255, 0, 0);
        SCOPED_TRACE(std::to_string(double(c.minY)) + (c.below ? " below" : " above"));
        EXPECT_GT(CountColor(image, red, c.below ? label3Below : label3Above), 0);
        EXPECT_EQ(CountColor(image, red, c.below ? label3Above : label3Below), 0);
        EXPECT_EQ(CountColor(image, red, below) > 0, c.zeroBelowOnX);
        const QRect originZero(ax - 12, c.below ? ay : ay - 20, 12, 20);
        EXPECT_EQ(CountColor(image, qRgb(0, 0, 255), originZero) > 0, c.originZero);
    }
}

TEST(Graphs, TableLinesCutAtTheViewsEdgeAcrossEmptyRowsAndMarkersNotBeyond) {
    Document doc(BareOptions());
    AddSampled(doc, TableOf({{0, 0}, {10, 20}}), kBlue);
    GraphRecord gaps = TableOf({{-6, 0}, {0, 6}, {kNoPoint, kNoPoint}, {6, 0}});
    gaps.SortType = 2;
    AddSampled(doc, gaps, kYellow);
    GraphRecord markers = TableOf({{10, 0}, {10.001L, 5}});
    markers.Lines = false;
    markers.Points = true;
    markers.PointStyle = 3;
    markers.PointWidth = 3;
    AddSampled(doc, markers, kRed);
    const QImage image = Render(doc);
    const QRect box = BoxOf(image, Rgb(kBlue));
    EXPECT_EQ(box.top(), doc.YToScreen(10));
    EXPECT_EQ(image.pixel(doc.XToScreen(5), doc.YToScreen(10)), Rgb(kBlue));
    EXPECT_EQ(box.bottomLeft(), QPoint(doc.XToScreen(0), doc.YToScreen(0)));
    EXPECT_EQ(image.pixel(doc.XToScreen(3), doc.YToScreen(3)), Rgb(kYellow));
    EXPECT_EQ(BoxOf(image, Rgb(kRed)), QRect(doc.XToScreen(10) - 1, doc.YToScreen(0) - 1, 3, 3));
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
        props.Interval().DefaultSteps = false;
        props.Interval().StepsNum = graphs[k].steps;
        props.Interval().MaxGap = graphs[k].gap;
        AddSampled(doc, props, static_cast<int>(9 + k % 6));
    }
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
        int k = 0;
        ForEachGraphPoint(*graph, doc.Options, [&](long double x, long double y) {
            const bool point = std::isfinite(x) && std::isfinite(y);
            if (point && have) DrawSegment(ctx, clipper, px, py, x, y);
            // No segment after a point the sampler found a pole or a jump after.
            have = point && !std::ranges::binary_search(graph->Breaks, ++k);
            px = x;
            py = y;
            return true;
        });
    }
    painter.end();
    EXPECT_TRUE(drawn == expected);
}

TEST(Graphs, AnImplicitCurveIsDrawnFromItsSegments) {
    Document doc(BareOptions());
    AddSampled(doc, GraphOfKind(kEquation, "x^2+y^2-25"), kRed);
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
    // Cells (1,1) whole, (1,2) empty, (2,1) its lower left sub-cell, (2,2) its upper right.
    doc.AddGraph(props).CellCodes = {0xFFFF, 0, 0x0001, 0x8000};
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
    first.Interval().DefaultSteps = false;
    first.Interval().StepsNum = 20000;
    AddSampled(doc, first, kBlue);
    AddSampled(doc, GraphOfKind(kYOfX, "-x"), kRed);
    RecordingFeedback feedback;
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
    AddSampled(doc, thick, kRed);
    GraphRecord odd = GraphOfKind(kYOfX, "x");
    odd.Points = true;
    odd.PointStyle = 200;
    odd.PointWidth = 2000000000;
    AddSampled(doc, odd, 200);
    const QImage image = Render(doc);
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(CountColor(image, Rgb(kRed), QRect(doc.XToScreen(5), 0, 1, 300)), 5);
}

std::uint32_t Read32(const std::vector<unsigned char>& b, std::size_t at) {
    return b[at] | b[at + 1] << 8 | b[at + 2] << 16 | std::uint32_t{b[at + 3]} << 24;
}

TEST(Bitmap, Bmp4PaddedRowsOfTheColourTableRoundTrip) {
    for (int width : {1, 2, 7, 8, 9, 33}) {
        QImage image(width, 3, QImage::Format_RGB32);
        for (int y = 0; y < 3; ++y) {
            for (int x = 0; x < width; ++x)
                image.setPixel(x, y, kColorTable[static_cast<std::size_t>((x + 5 * y) % 16)]);
        }
        image.setPixel(0, 0, qRgb(250, 10, 5));  // not in the table: nearest is red
        const std::vector<unsigned char> bmp = EncodeBmp4(image);
        const std::uint32_t rowBytes = (width * 4 + 31) / 32 * 4;
        ASSERT_EQ(bmp.size(), 118 + rowBytes * 3) << width;  // 14 + 40 + 16 * 4 bytes before
        EXPECT_EQ(Read32(bmp, 2), bmp.size());
        EXPECT_EQ(bmp[118] >> 4, (0 + 5 * 2) % 16);  // bottom row first
        image.setPixel(0, 0, kColorTable[9]);
        EXPECT_EQ(QImage::fromData(bmp.data(), static_cast<int>(bmp.size()), "BMP")
                      .convertToFormat(QImage::Format_RGB32),
                  image)
            << width;
    }
    // clang-format off
    const struct { const char* text; int side; } sides[] = {  // 0: refused
        {"100", 100}, {"3000", 3000}, {" 400 ", 400}, {"+250", 250}, {"99", 0}, {"3001", 0},
        {"-100", 0}, {"", 0}, {"2e2", 0}, {"1.5", 0}, {"99999999999999999999", 0}, {"+", 0},
    };
    // clang-format on
    for (const auto& c : sides) {
        int side = 0;
        EXPECT_EQ(ParseBitmapSide(c.text, side), c.side != 0) << c.text;
        EXPECT_EQ(c.side != 0 ? side : 0, c.side) << c.text;
    }
}

TEST(Print, PixelSizesFollowThePrinterResolutionAndMarginsTheirInches) {
    OptionsRecord o = StandardOptions();
    // clang-format off
    const struct { Int32* field; std::int32_t size, printed; } cases[] = {  // at 6.25 by 3
        {&o.HorWidth, 1, 3}, {&o.VertWidth, 1, 6}, {&o.VertWidth, 2, 12}, {&o.RadiusWidth, 3, 9},
        {&o.AxisY.Width, 3, 19},  // 18.75
        {&o.NumLinesX.Length, 5, 15}, {&o.NumLinesY.Length, 2147483647, 1000000},
    };
    // clang-format on
    for (const auto& c : cases) {
        *c.field = c.size;
        const OptionsRecord printed = PrintOptions(o, 6.25L, 3, false);
        const auto offset = reinterpret_cast<const char*>(c.field) - reinterpret_cast<char*>(&o);
        std::int32_t value = 0;
        std::memcpy(&value, reinterpret_cast<const char*>(&printed) + offset, sizeof value);
        EXPECT_EQ(value, c.printed) << c.size;
    }
    EXPECT_EQ(PrintOptions(o, 6.25L, 6.25L, false).BackColor, o.BackColor);
    const OptionsRecord bw = PrintOptions(o, 1, 1, true);
    EXPECT_EQ(bw.BackColor, 15);
    EXPECT_EQ(bw.VertColor, 0);
    EXPECT_EQ(static_cast<std::int32_t>(bw.AngleColor), 0);
    EXPECT_EQ(static_cast<std::int32_t>(bw.NumsY.Font.Color), 0);

    const PixelRect r = PrintOutputRect(5100, 6600, 600, 600, PageMargins{});
    EXPECT_EQ((std::vector<int>{r.left, r.top, r.right, r.bottom}),
              (std::vector<int>{300, 300, 4800, 6300}));
    const PixelRect odd = PrintOutputRect(1000, 1000, 300, 300, {1, 0, 5, 1000});
    EXPECT_EQ(odd.left, 0);     // 0.3 rounds to 0
    EXPECT_EQ(odd.right, 998);  // 1.5 rounds to the even 2
    EXPECT_EQ(odd.bottom, 700);
}

TEST(Print, BlackAndWhitePrintsAYellowGraphBlackAndPicturesLeaveTheDocumentsSurface) {
    EnsureGuiApplication();
    Document doc(BareOptions());
    QImage screen(50, 50, QImage::Format_RGB32);
    doc.Canvas = &screen;
    doc.OutputRect = {1, 2, 3, 4};
    doc.ClientRect = {0, 0, 400, 300};
    GraphRecord line = GraphOfKind(kYOfX, "x/2");
    line.LineWidth = 2;
    AddSampled(doc, line, kYellow);
    for (const bool blackAndWhite : {false, true}) {
        QImage page(1200, 900, QImage::Format_RGB32);
        page.setDotsPerMeterX(23622);  // 600 dots per inch
        page.setDotsPerMeterY(23622);
        page.fill(Qt::white);
        PrintDocument(doc, page, {6.25L, 6.25L, blackAndWhite, {0, 0, 1200, 900}});
        // A line across the page, 12 pixels thick.
        EXPECT_GT(CountColor(page, Rgb(blackAndWhite ? 0 : kYellow), page.rect()), 1200 * 6);
        EXPECT_EQ(CountColor(page, Rgb(kYellow), page.rect()) == 0, blackAndWhite);
    }
    EXPECT_EQ(Render(doc, 123, 145).size(), QSize(123, 145));
    EXPECT_EQ(doc.Canvas, &screen);
    EXPECT_TRUE(doc.OnScreen);
    EXPECT_EQ(doc.OutputRect.right, 3);
}

class TraceCrossTest : public ::testing::Test {
  protected:
    TraceCrossTest() {
        doc.ClientRect = {0, 0, picture.width(), picture.height()};
        std::mt19937 random(7);
        for (int y = 0; y < picture.height(); ++y) {
            for (int x = 0; x < picture.width(); ++x)
                picture.setPixel(x, y, 0xFF000000u | (random() & 0xFFFFFFu));
        }
        original = picture.copy();
    }
    int ChangedPixels() const {
        int n = 0;
        for (int y = 0; y < picture.height(); ++y) {
            for (int x = 0; x < picture.width(); ++x)
                n += picture.pixel(x, y) != original.pixel(x, y);
        }
        return n;
    }

    Document doc{StandardOptions()};
    QImage picture{200, 150, QImage::Format_RGB32};
    QImage original;
    TraceCross cross{doc, &picture};
};

TEST_F(TraceCrossTest, ComplementsItsPixelsAroundAGapAndGivesThemBack) {
    cross.MoveTo(-9, 9);
    cross.MoveTo(2.5L, -4);  // the first cross goes
    ASSERT_TRUE(cross.Visible());
    const int px = doc.XToScreen(2.5L);
    const int py = doc.YToScreen(-4);
    for (int d = -16; d <= 16; ++d) {
        const bool drawn = std::abs(d) > 2 && std::abs(d) <= 15;
        for (const QPoint p : {QPoint(px + d, py), QPoint(px, py + d)}) {
            const QRgb was = original.pixel(p);
            EXPECT_EQ(picture.pixel(p), drawn ? 0xFF000000u | (0xFFFFFFu - (was & 0xFFFFFFu)) : was)
                << d;
        }
    }
    EXPECT_EQ(ChangedPixels(), 2 * 26);
    const QImage marked = picture.copy();
    cross.Draw();  // again, as after a repaint: still one cross
    EXPECT_EQ(picture, marked);
    cross.Hide();
    EXPECT_FALSE(cross.Visible());
    EXPECT_EQ(picture, original);

    doc.ClientRect = {0, 0, 400, 300};  // a picture smaller than the window
    cross.MoveTo(0.5L, 0.5L);           // about its bottom right corner
    EXPECT_GT(ChangedPixels(), 0);
    EXPECT_LT(ChangedPixels(), 2 * 26);
    cross.Hide();
    EXPECT_EQ(picture, original);
}

TEST_F(TraceCrossTest, OnlyPointsInViewAreDrawnAndThePictureComesBackWhateverTheViewDid) {
    cross.MoveTo(10.0000000000001L, -10);  // the edges are compared in 12 digits
    EXPECT_TRUE(cross.Visible());
    for (const auto& [x, y] : {std::pair{10.001L, 0.0L}, {0.0L, -10.001L}, {kNoPoint, 0.0L}}) {
        cross.MoveTo(x, y);
        EXPECT_FALSE(cross.Visible()) << x << ", " << y;
        EXPECT_EQ(picture, original);
    }
    doc.Options.LogX = true;
    doc.Options.LogYBase = 2;
    doc.Options.LogY = true;
    EXPECT_EQ(cross.ToPlotX(100), 2);
    EXPECT_EQ(cross.ToPlotY(0.25L), -2);
    cross.MoveTo(0, 1);  // no logarithm
    EXPECT_FALSE(cross.Visible());
    cross.MoveTo(1000, 8);
    EXPECT_TRUE(cross.Visible());
    EXPECT_EQ(cross.Y, 3);
    doc.Options.LogX = false;
    doc.Options.LogY = false;
    cross.Hide();
    cross.MoveTo(1, 1);
    doc.Options.MinX = 5;  // the point is out of view now, its pixel elsewhere
    cross.Erase();
    EXPECT_EQ(picture, original);
    cross.Draw();  // a repaint: no cross in the margins
    EXPECT_EQ(picture, original);
    doc.Options.MinX = -10;
    cross.Draw();
    doc.Options.MinX = 5;
    cross.Hide();  // hidden though its point is out of view
    EXPECT_EQ(picture, original);
    doc.Options.MinX = -10;
    cross.Draw();
    EXPECT_EQ(picture, original);
}

}  // namespace
}  // namespace plotwise
