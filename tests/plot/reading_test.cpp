// What makes a picture read cleanly: labels over grids and in crowds.
#include <gtest/gtest.h>

#include <QPainter>

#include "plot/frame_renderer.h"
#include "plot/sample_arguments.h"
#include "plot_test_support.h"
#include "render_support.h"

namespace plotwise {
namespace {

using namespace testing_support;

constexpr int kRed = 9;

// The labels as the renderer places them on an image of the document's last render.
std::vector<PlacedLabel> LabelsOf(Document& doc, QImage& image) {
    QPainter painter(&image);
    RenderContext ctx{painter, doc.Options, doc.ScreenMap(), *doc.Reporter};
    return PlaceLabels(ctx, AxisPositions(ctx));
}

TEST(Labels, StandOnTheBackgroundOverAnyGrid) {
    Document doc(StandardOptions());
    OptionsRecord& o = doc.Options;
    o.DrawHorLines = o.DrawVertLines = o.DrawRadius = o.DrawAngle = true;
    o.HorColor = o.VertColor = kRed;
    o.RadiusColor = o.AngleColor = kRed;
    o.LogY = true;  // 10^(-1): the minus sign under a grid line
    o.MinY = -2;
    o.MaxY = 2;
    QImage image = Render(doc, 600, 400);
    const std::vector<PlacedLabel> labels = LabelsOf(doc, image);
    ASSERT_EQ(labels.size(), 21u + 5u);
    for (const PlacedLabel& label : labels) {
        const QRect ground = LabelGround(label, &image);
        EXPECT_EQ(CountColor(image, Rgb(kRed), ground), 0) << label.text.toStdString();
        EXPECT_GT(CountColor(image, Rgb(0), ground), 0) << label.text.toStdString();
    }
    // The grid line a Y label is centred on reaches its ground and goes on beyond it.
    const QRect ground = LabelGround(labels[21 + 1], &image);
    EXPECT_EQ(image.pixel(ground.left() - 1, doc.YToScreen(-1)), Rgb(kRed));
}

TEST(Labels, NeighboursThatWouldOverlapLeaveEvery2nd5th10thCountedFrom0) {
    // clang-format off
    const struct { int width, height; long double step; bool yAxis; const char* x; const char* y; } cases[] = {
        {800, 600, 1, true, "-10 -9 -8 -7 -6 -5 -4 -3 -2 -1 1 2 3 4 5 6 7 8 9 10",
                            "-10 -9 -8 -7 -6 -5 -4 -3 -2 -1 1 2 3 4 5 6 7 8 9 10 0"},
        {200, 150, 1, true, "-10 -5 5 10", "-10 -5 5 10 0"},
        {400, 120, 1, true, "-10 -9 -8 -7 -6 -5 -4 -3 -2 -1 1 2 3 4 5 6 7 8 9 10", "-10 -5 5 10 0"},
        // The step of 0.0001 doubled to 0.2048 for at most about 150 labels; the 0 stays.
        {800, 600, 0.0001L, false, "-9.22 -8.19 -7.17 -6.14 -5.12 -4.1 -3.07 -2.05 -1.02 0 1.02 "
                                   "2.05 3.07 4.1 5.12 6.14 7.17 8.19 9.22", ""},
    };
    // clang-format on
    for (const auto& c : cases) {
        Document doc(StandardOptions());
        doc.Options.NumsX.Step = c.step;
        doc.Options.AxisY.Draw = c.yAxis;
        QImage image = Render(doc, c.width, c.height);
        std::string x;
        std::string y;
        for (const PlacedLabel& label : LabelsOf(doc, image)) {
            std::string& texts = label.axis == 'X' ? x : y;
            texts += (texts.empty() ? "" : " ") + label.text.toStdString();
        }
        EXPECT_EQ(x, c.x) << c.width << "x" << c.height;
        EXPECT_EQ(y, c.y) << c.width << "x" << c.height;
    }
}

// Where the sampler found poles and jumps: the argument of the point before each (one
// decimals: the steps are 0.1, 0.1 and 0.01 pi).
std::string BreaksOf(std::uint8_t kind, const char* formula, const char* formulaY = "") {
    Document doc(StandardOptions());
    Graph& graph = doc.AddGraph(GraphOfKind(kind, formula, formulaY));
    doc.CalculateGraph(graph, doc.Options, 0);
    const GraphInterval& own = graph.Record().Interval();
    const bool onX = kind == kYOfX;
    const ArgumentSteps a =
        SampleArguments(onX ? graph.GetMinX() : own.Min, onX ? graph.GetMaxX() : own.Max,
                        graph.GetStepsNum(), doc.Options.PointsAlign);
    std::string text;
    char number[32];
    for (const int point : graph.Breaks) {
        std::snprintf(number, sizeof number, "%.2f", double(a.GridNumber(a.At(point))));
        text += (text.empty() ? "" : " ") + std::string(number);
    }
    return text;
}

TEST(Breaks, PolesAndJumpsLeaveGapsSteepContinuousCurvesStayJoined) {
    std::string wholes;  // the last sample before each whole number -9 .. 10
    char number[32];
    for (int k = -9; k <= 10; ++k) {
        std::snprintf(number, sizeof number, "%.2f", k - 0.1);
        wholes += (wholes.empty() ? "" : " ") + std::string(number);
    }
    // clang-format off
    const struct { std::uint8_t kind; const char* formula; const char* formulaY; std::string breaks; } cases[] = {
        {kYOfX, "tan(x)", "", "-7.90 -4.80 -1.60 1.50 4.70 7.80"},
        {kYOfX, "1/(x-0.05)", "", "0.00"},                 // odd pole between two samples
        {kYOfX, "1/(x-0.05)^2", "", "0.00"},               // even pole
        {kYOfX, "ln(abs(x-0.05))", "", "0.00"},            // one side only
        {kYOfX, "1/(x^2-2)", "", "-1.50 1.40"}, {kYOfX, "int(x)", "", wholes},
        {kYOfX, "frac(x)", "", wholes}, {kYOfX, "abs(x-0.05)/(x-0.05)", "", "0.00"},
        {kYOfX, "1/x", "", ""},                            // 0 is a sample: no value, a gap already
        {kYOfX, "tanh(100*(x-0.05))", "", ""},             // steep and continuous
        {kYOfX, "tanh(1000000*(x-0.05))", "", ""}, {kYOfX, "x^9", "", ""},
        {kYOfX, "sqrt(x)", "", ""},
        {kYOfX, "sin(50*x)", "", ""},                      // turns between samples
        {kParametric, "t", "1/(t-0.05)", "0.00"},
        {kPolarGraph, "1/cos(a+0.01)", "", "-0.51 0.49"},  // in units of pi
    };
    // clang-format on
    for (const auto& c : cases)
        EXPECT_EQ(BreaksOf(c.kind, c.formula, c.formulaY), c.breaks) << c.formula;
}

}  // namespace
}  // namespace plotwise
